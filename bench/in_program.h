#pragma once
// The main() of a benchmark over the windows: the program's application object
// and windows, headless unless a platform is asked for, then the benchmarks.
#include "shell/application.h"
#include "shell/startup.h"

#include <benchmark/benchmark.h>

namespace termalo::bench {

inline int runBenchmarksInProgram(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    startUp();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    shutDown();
    return 0;
}

}  // namespace termalo::bench
