// One activation of the indicator screen: the engine over the worked example and
// every output applied to its label.
#include "results/tform4.h"
#include "bench/in_program.h"
#include "tests/support/recording_dialogs.h"
#include "shell/registry.h"
#include "shell/startup.h"
#include "shell/text_field.h"
#include "tests/support/enter_inputs.h"
#include "tests/support/worked_example.h"


#include <benchmark/benchmark.h>

namespace {

void BM_ActivateIndicatorScreen(benchmark::State& state)
{
    auto* form4 = termalo::WindowRegistry::find<TForm4>(QStringLiteral("Form4"));
    if (!form4) {
        state.SkipWithError("Form4 is not built");
        return;
    }
    termalo::testing::enterInputs(termalo::testing::workedExample());
    QWidget* form2 = termalo::WindowRegistry::find(QStringLiteral("Form2"));
    auto* rooms1 = form2 ? form2->findChild<termalo::TextField*>(QStringLiteral("Edit5")) : nullptr;
    termalo::ScopedRecordingDialogs dialogs;
    // Two months that differ in every value, in turn, so each run rewrites every
    // label instead of setting the texts it already shows.
    bool other = false;
    for (auto _ : state) {
        if (rooms1)
            rooms1->setText(other ? QStringLiteral("21") : QStringLiteral("20"));
        other = !other;
        form4->FormActivate();
    }
    if (dialogs.fake.count(QStringLiteral("message")) != 0)
        state.SkipWithError("the worked example failed to compute");
}
BENCHMARK(BM_ActivateIndicatorScreen)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    return termalo::bench::runBenchmarksInProgram(argc, argv);
}
