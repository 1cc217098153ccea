// Benchmark main: the application object on Qt's offscreen platform (text needs it), then the suites.
#include <benchmark/benchmark.h>

#include "cxcplatform.h"

int main(int argc, char** argv)
{
    cxc::platform::initApplication(argc, argv, /*headless*/ true);
    ::benchmark::Initialize(&argc, argv);
    if (::benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
