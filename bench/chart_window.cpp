// Opening a chart window: shown, activated with its fill, painted the first
// time; for each of the eight, after the worked example. The floor, measured in
// the same run: a bare window of the same size that paints, with QPainter, as
// many gradient-filled polygons and texts as the window's chart draws, shown and
// painted the first time. Prints the ratios.
#include "results/chart_window.h"
#include "shell/application.h"
#include "shell/registry.h"
#include "shell/startup.h"
#include "tests/support/enter_inputs.h"
#include "tests/support/worked_example.h"

#include <QApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>

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

// What a chart draws: its shapes and its texts.
struct Drawing {
    int shapes = 0;
    int texts = 0;
};

class FloorWindow : public QWidget {
public:
    explicit FloorWindow(Drawing drawing) : drawing_(drawing) { resize(492, 353); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(9);
        painter.setFont(font);
        for (int i = 0; i < drawing_.shapes; ++i) {
            const QRectF r(20 + (i * 37) % 400, 20 + (i * 23) % 280, 40, 30);
            QLinearGradient gradient(r.topLeft(), r.topRight());
            gradient.setColorAt(0, QColor(120, 120, 255));
            gradient.setColorAt(1, QColor(0, 0, 120));
            painter.setBrush(gradient);
            painter.setPen(QPen(Qt::black, 0.8));
            painter.drawPolygon(QPolygonF({r.topLeft(), r.topRight(), r.bottomRight() + QPointF(5, 0), r.bottomLeft()}));
        }
        painter.setPen(Qt::black);
        for (int i = 0; i < drawing_.texts; ++i)
            painter.drawText(QRectF(10 + (i * 53) % 420, 10 + (i * 17) % 300, 80, 12), Qt::AlignCenter,
                             QStringLiteral("Wskaźnik %1").arg(i));
    }

private:
    Drawing drawing_;
};

void BM_FloorBareWindow(benchmark::State& state, Drawing drawing)
{
    for (auto _ : state) {
        auto* window = new FloorWindow(drawing);
        showAndPaint(window);
        state.PauseTiming();
        delete window;
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["shapes"] = drawing.shapes;
    state.counters["texts"] = drawing.texts;
}

Drawing drawingOf(const Chart& chart)
{
    TForm7* window = freshWindow(chart);
    window->show();
    window->FormActivate();
    QApplication::processEvents();
    Drawing drawing;
    for (const termalo::chart::Item& item : window->chart()->scene().items)
        ++(item.kind == termalo::chart::Item::Kind::Text ? drawing.texts : drawing.shapes);
    delete window;
    return drawing;
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

    // Each window beside its floor, so that a machine that speeds up or slows
    // down meanwhile changes both alike.
    for (const Chart& chart : kCharts) {
        benchmark::RegisterBenchmark((std::string("BM_OpenChartWindow/") + chart.name).c_str(), BM_OpenChartWindow,
                                     &chart)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("BM_FloorBareWindow/") + chart.name).c_str(), BM_FloorBareWindow,
                                     drawingOf(chart))
            ->Unit(benchmark::kMillisecond);
    }

    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    // Real time is what the user waits for; processor time shows the same
    // figure without the other programs of a busy machine.
    std::printf("\nratio window/floor (goal: at most 1.5)   real   cpu\n");
    for (const Chart& chart : kCharts) {
        const std::string window = std::string("BM_OpenChartWindow/") + chart.name;
        const std::string floor = std::string("BM_FloorBareWindow/") + chart.name;
        if (!reporter.seconds.count(window) || !reporter.seconds.count(floor) || reporter.seconds[floor] <= 0)
            continue;
        std::printf("  %-7s                                %5.2f  %5.2f\n", chart.name,
                    reporter.seconds[window] / reporter.seconds[floor],
                    reporter.cpuSeconds[window] / reporter.cpuSeconds[floor]);
    }
    termalo::shutDown();
    return 0;
}
