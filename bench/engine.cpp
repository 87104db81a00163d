// Cost of one full indicator computation against the floor it cannot beat:
// the 18-significant-digit conversion of a long double, once per output row.

#include "core/indicator_engine.h"
#include "tests/support/worked_example.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

using termalo::core::InputTexts;

using termalo::testing::workedExample;

void BM_EngineRun(benchmark::State& state) {
    const InputTexts input = workedExample();
    const termalo::core::NumberFormat format{",", "\xC2\xA0"};
    const std::string store = "Edit1";
    for (auto _ : state) {
        termalo::core::EngineResult result = termalo::core::computeIndicators(input, store, format);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_EngineRun);

void BM_Floor65Conversions(benchmark::State& state) {
    // Values of the kinds a run produces: whole counts, ratios, percentages.
    std::array<long double, 65> values;
    for (std::size_t i = 0; i < values.size(); ++i) {
        values[i] = (static_cast<long double>(i) + 1.0L) * 1234.5678L / 7.0L + 0.1L * i;
    }
    char text[64];
    for (auto _ : state) {
        for (long double v : values) {
            benchmark::DoNotOptimize(v);
            std::snprintf(text, sizeof text, "%.17Le", v);
            benchmark::DoNotOptimize(text);
        }
    }
}
BENCHMARK(BM_Floor65Conversions);

// Prints as usual and keeps each benchmark's real time per iteration (ns).
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
                nanoseconds[run.benchmark_name()] =
                    run.GetAdjustedRealTime() * benchmark::GetTimeUnitMultiplier(benchmark::kNanosecond) /
                    benchmark::GetTimeUnitMultiplier(run.time_unit);
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> nanoseconds;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const auto engine = reporter.nanoseconds.find("BM_EngineRun");
    const auto floor = reporter.nanoseconds.find("BM_Floor65Conversions");
    if (engine != reporter.nanoseconds.end() && floor != reporter.nanoseconds.end() &&
        floor->second > 0) {
        std::printf("engine run %.0f ns, floor %.0f ns\nratio engine/floor = %.2f\n",
                    engine->second, floor->second, engine->second / floor->second);
    }
    return 0;
}
