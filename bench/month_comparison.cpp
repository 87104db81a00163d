// The comparison window over many month files: ten years of months (120 files,
// goal under 200 ms of CPU time) and a folder of 1,000 files (goal under 2 s),
// each read, checked, computed and shown in the table with the trend chart.
#include "results/month_comparison.h"
#include "bench/in_program.h"
#include "shell/month_file.h"
#include "shell/startup.h"
#include "tests/support/recording_dialogs.h"
#include "tests/support/worked_example.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <string>

namespace {

const char* const kMonths[] = {"Styczeń", "Luty",     "Marzec",   "Kwiecień",    "Maj",      "Czerwiec",
                               "Lipiec",  "Sierpień", "Wrzesień", "Październik", "Listopad", "Grudzień"};

// `count` month files in a fresh folder, one a month from January 2003 on,
// each with figures of its own.
QString writeMonths(QTemporaryDir& dir, int count)
{
    for (int i = 0; i < count; ++i) {
        termalo::core::InputTexts month = termalo::testing::workedExample();
        month.monthName = kMonths[i % 12];
        month.yearText = std::to_string(2003 + i / 12);
        month.individualNightsGranted = std::to_string(1200 + (i * 37) % 900);
        QFile file(QDir(dir.path()).filePath(QStringLiteral("m%1.termalo").arg(i, 4, 10, QLatin1Char('0'))));
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write(termalo::writeMonthFile(month));
    }
    return dir.path();
}

void BM_CompareMonthFolder(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString folder = writeMonths(dir, int(state.range(0)));
    if (folder.isEmpty()) {
        state.SkipWithError("cannot write the month files");
        return;
    }
    termalo::ScopedRecordingDialogs dialogs;
    termalo::MonthComparisonWindow window;
    window.resize(900, 600);
    window.show();
    for (auto _ : state) {
        window.clearMonths();
        window.addFiles(termalo::monthFilesIn(folder));
        window.repaint();
    }
    if (window.comparison().months.size() != state.range(0) || !window.comparison().unreadable.isEmpty())
        state.SkipWithError("not every month was read");
}
// CPU time is what counts: ten years in under 200 ms, 1,000 files in under 2 s.
BENCHMARK(BM_CompareMonthFolder)->Arg(120)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return termalo::bench::runBenchmarksInProgram(argc, argv);
}
