// Opening a chart window: shown, activated with its fill, painted the first
// time; for each of the eight, after the worked example. The floor, measured in
// the same run: a bare QChartView of the window's size with one bar series of
// as many points, built, shown and painted the first time. Prints the ratios.
#include "core/chart_series.h"
#include "results/chart_window.h"
#include "shell/application.h"
#include "shell/registry.h"
#include "shell/startup.h"
#include "tests/support/enter_inputs.h"
#include "tests/support/worked_example.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QPixmap>
#include <QValueAxis>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>
#include <map>
#include <string>

namespace {

void showAndPaint(QWidget* window)
{
    window->show();
    const QPixmap image = window->grab();
    benchmark::DoNotOptimize(image.cacheKey());
    QApplication::processEvents();
}

using Factory = std::function<TForm7*()>;

struct Chart {
    const char* name;
    Factory make;
};

const Chart kCharts[] = {
    {"Form7", [] { return new TForm7; }},   {"Form8", [] { return new TForm8; }},
    {"Form9", [] { return new TForm9; }},   {"Form10", [] { return new TForm10; }},
    {"Form11", [] { return new TForm11; }}, {"Form12", [] { return new TForm12; }},
    {"Form13", [] { return new TForm13; }}, {"Form14", [] { return new TForm14; }},
};

// A fresh window carrying the hand-over fields that the worked example wrote
// into the program's own window of that name.
TForm7* freshWindow(const Chart& chart)
{
    TForm7* window = chart.make();
    QWidget* filled = termalo::WindowRegistry::find(QString::fromLatin1(chart.name));
    for (QLabel* field : filled->findChildren<QLabel*>()) {
        if (auto* own = window->findChild<QLabel*>(field->objectName()))
            own->setText(field->text());
    }
    return window;
}

void BM_OpenChartWindow(benchmark::State& state, const Chart* chart)
{
    qsizetype points = 0;
    for (auto _ : state) {
        state.PauseTiming();
        TForm7* window = freshWindow(*chart);
        state.ResumeTiming();
        window->show();
        window->FormActivate();
        showAndPaint(window);
        state.PauseTiming();
        points = window->points().size();
        delete window;
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["points"] = double(points);
}

void BM_FloorBareChartView(benchmark::State& state)
{
    const int points = int(state.range(0));
    for (auto _ : state) {
        auto* view = new QChartView;
        view->resize(492, 353);
        auto* series = new QBarSeries;
        auto* set = new QBarSet(QStringLiteral("Series2"));
        QStringList categories;
        for (int i = 0; i < points; ++i) {
            set->append(50.0 + i);
            categories << QString::number(i + 1);
        }
        series->append(set);
        view->chart()->addSeries(series);
        auto* x = new QBarCategoryAxis;
        x->append(categories);
        auto* y = new QValueAxis;
        y->setRange(0, 100);
        view->chart()->addAxis(x, Qt::AlignBottom);
        view->chart()->addAxis(y, Qt::AlignLeft);
        series->attachAxis(x);
        series->attachAxis(y);
        showAndPaint(view);
        state.PauseTiming();
        delete view;
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (!run.error_occurred && (run.run_type == Run::RT_Iteration || run.aggregate_name == "mean")) {
                seconds[run.run_name.str()] = run.GetAdjustedRealTime();
                cpuSeconds[run.run_name.str()] = run.GetAdjustedCPUTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> seconds;
    std::map<std::string, double> cpuSeconds;
};

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    termalo::Application app(argc, argv);
    termalo::startUp();
    termalo::testing::enterInputs(termalo::testing::workedExample());
    termalo::showForm(QStringLiteral("Form4"));  // the computation hands the values over
    QApplication::processEvents();

    for (const Chart& chart : kCharts) {
        benchmark::RegisterBenchmark((std::string("BM_OpenChartWindow/") + chart.name).c_str(), BM_OpenChartWindow,
                                     &chart)
            ->Unit(benchmark::kMillisecond);
    }
    for (int points : {2, 3, 4})
        benchmark::RegisterBenchmark("BM_FloorBareChartView", BM_FloorBareChartView)->Arg(points)->Unit(benchmark::kMillisecond);

    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    // Real time is what the user waits for; processor time shows the same
    // figure without the other programs of a busy machine.
    std::printf("\nratio window/floor (goal: at most 1.5)   real   cpu\n");
    for (const Chart& chart : kCharts) {
        const auto* layout = termalo::core::chartSeriesFor(chart.name);
        const std::string window = std::string("BM_OpenChartWindow/") + chart.name;
        const std::string floor = "BM_FloorBareChartView/" + std::to_string(layout->points.size());
        if (!reporter.seconds.count(window) || !reporter.seconds.count(floor) || reporter.seconds[floor] <= 0)
            continue;
        std::printf("  %-7s                                %5.2f  %5.2f\n", chart.name,
                    reporter.seconds[window] / reporter.seconds[floor],
                    reporter.cpuSeconds[window] / reporter.cpuSeconds[floor]);
    }
    termalo::shutDown();
    return 0;
}
