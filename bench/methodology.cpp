// The methodology browser: its windows created, every chain walked from the menu
// (each page shown and painted in full), everything destroyed; against the floor
// of bare windows of the same sizes holding the same number of plain labels with
// the same texts, created, shown, painted and destroyed the same way. Prints the
// ratio of the two at the end.
#include "help/methodology_pages.h"
#include "help/methodology_windows.h"
#include "help/tform15.h"
#include "shell/application.h"
#include "shell/registry.h"
#include "shell/startup.h"

#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

void paint(QWidget* window)
{
    const QPixmap image = window->grab();
    benchmark::DoNotOptimize(image.cacheKey());
}

const std::vector<termalo::WindowFactory> kBrowser = {
    [] { return new TForm15; }, [] { return new TForm16; }, [] { return new TForm17; },
    [] { return new TForm18; }, [] { return new TForm19; }, [] { return new TForm20; },
    [] { return new TForm21; }, [] { return new TForm23; }, [] { return new TForm24; },
    [] { return new TForm25; }, [] { return new TForm26; }, [] { return new TForm27; },
    [] { return new TForm28; }, [] { return new TForm29; }, [] { return new TForm30; },
    [] { return new TForm31; }, [] { return new TForm32; }, [] { return new TForm33; },
};

void BM_WalkEveryChain(benchmark::State& state)
{
    int pages = 0;
    for (auto _ : state) {
        termalo::startUpWith(kBrowser);
        QWidget* menu = termalo::WindowRegistry::find(QStringLiteral("Form15"));
        termalo::showForm(menu);
        paint(menu);
        pages = 0;
        for (const auto& chain : termalo::help::chains()) {
            for (const QString& name : chain.pages) {
                QWidget* page = termalo::WindowRegistry::find(name);
                termalo::showForm(page);
                paint(page);
                ++pages;
            }
            for (const QString& name : chain.pages)
                termalo::closeForm(name);
        }
        QApplication::processEvents();
        termalo::shutDown();
        QApplication::processEvents();
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_WalkEveryChain)->Unit(benchmark::kMillisecond);

void BM_FloorBareWindows(benchmark::State& state)
{
    for (auto _ : state) {
        std::vector<std::unique_ptr<QWidget>> windows;
        for (const auto& layout : termalo::help::pageLayouts()) {
            auto window = std::make_unique<QWidget>();
            window->resize(layout.frame.size());
            for (const auto& item : layout.labels) {
                auto* label = new QLabel(termalo::help::labelText(layout.name, item.name), window.get());
                label->move(item.position);
                label->adjustSize();
            }
            window->show();
            paint(window.get());
            window->hide();
            windows.push_back(std::move(window));
        }
        QApplication::processEvents();
        windows.clear();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_FloorBareWindows)->Unit(benchmark::kMillisecond);

// Keeps the real time per iteration of every benchmark for the closing ratio.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
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
    const auto walk = reporter.seconds.find("BM_WalkEveryChain");
    const auto floor = reporter.seconds.find("BM_FloorBareWindows");
    if (walk != reporter.seconds.end() && floor != reporter.seconds.end() && floor->second > 0)
        std::printf("ratio methodology/floor = %.2f (goal: at most 1.5)\n", walk->second / floor->second);
    return 0;
}
