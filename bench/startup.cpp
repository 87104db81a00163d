// Start-up cost: every window created, the main window shown and painted in full,
// everything destroyed; against the floor of one bare window of the main window's
// size shown and painted the same way. Prints the ratio of the two at the end.
#include "shell/application.h"
#include "shell/registry.h"
#include "shell/startup.h"

#include <QApplication>
#include <QPixmap>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

// Shows a window and paints all of it, as its first appearance on screen does.
void showAndPaint(QWidget* window)
{
    window->show();
    const QPixmap image = window->grab();
    benchmark::DoNotOptimize(image.cacheKey());
    QApplication::processEvents();
}

void BM_StartUpAndPaintMain(benchmark::State& state)
{
    for (auto _ : state) {
        termalo::startUp();
        QWidget* main = termalo::WindowRegistry::find(QStringLiteral("Form1"));
        if (!main) {
            state.SkipWithError("no main window");
            termalo::shutDown();
            return;
        }
        termalo::showForm(main);
        showAndPaint(main);
        termalo::shutDown();
        QApplication::processEvents();
    }
    state.counters["windows"] = 0;
    termalo::startUp();
    state.counters["windows"] = static_cast<double>(termalo::WindowRegistry::windows().size());
    termalo::shutDown();
}
BENCHMARK(BM_StartUpAndPaintMain)->Unit(benchmark::kMillisecond);

void BM_FloorEmptyWindow(benchmark::State& state)
{
    for (auto _ : state) {
        auto* window = new QWidget;
        window->resize(650, 460);
        showAndPaint(window);
        delete window;
        QApplication::processEvents();
    }
}
BENCHMARK(BM_FloorEmptyWindow)->Unit(benchmark::kMillisecond);

// Keeps the real time per iteration of every benchmark for the closing ratio.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            // With repetitions only the aggregates arrive: the mean stands for the run.
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "mean")
                seconds[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> seconds;
};

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    termalo::Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const auto main = reporter.seconds.find("BM_StartUpAndPaintMain");
    const auto floor = reporter.seconds.find("BM_FloorEmptyWindow");
    if (main != reporter.seconds.end() && floor != reporter.seconds.end() && floor->second > 0)
        std::printf("ratio startup/floor = %.2f (goal: at most 3)\n", main->second / floor->second);
    return 0;
}
