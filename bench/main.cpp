// Benchmark main: the application object on Qt's offscreen platform (text needs it), then the suites.
// Without options of their own, runs report the median (and mean, deviation) of five repetitions.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "cxcplatform.h"

int main(int argc, char** argv)
{
    cxc::platform::initApplication(argc, argv, /*headless*/ true);
    std::vector<char*> args(argv, argv + argc);
    bool repetitionsGiven = false;
    for (int i = 1; i < argc; ++i) repetitionsGiven = repetitionsGiven || std::strstr(argv[i], "--benchmark_repetitions");
    char repetitions[] = "--benchmark_repetitions=5";
    char aggregates[] = "--benchmark_report_aggregates_only=true";
    if (!repetitionsGiven) {
        args.push_back(repetitions);
        args.push_back(aggregates);
    }
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);
    ::benchmark::Initialize(&count, args.data());
    if (::benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
