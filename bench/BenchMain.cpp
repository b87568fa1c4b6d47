// The benchmarks' main: "--threads N" first sets the threads of the calculations, as for
// nerolith-cli; the other arguments are Google Benchmark's.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "Parallel.h"

int main(int argc, char** argv) {
    std::vector<char*> arguments(argv, argv + argc);
    if (arguments.size() > 1 && std::string_view(arguments[1]) == "--threads") {
        const std::string_view count = arguments.size() > 2 ? arguments[2] : "";
        size_t threads = 0;
        const auto [end, fault] =
            std::from_chars(count.data(), count.data() + count.size(), threads);
        if (fault != std::errc() || end != count.data() + count.size() || threads == 0 ||
            threads > kMostCalculationThreads) {
            std::fprintf(stderr, "--threads takes a whole number from 1 to %zu\n",
                         kMostCalculationThreads);
            return 2;
        }
        SetCalculationThreads(threads);
        arguments.erase(arguments.begin() + 1, arguments.begin() + 3);
    }
    benchmark::AddCustomContext("logical_processors",
                                std::to_string(std::thread::hardware_concurrency()));
    benchmark::AddCustomContext("calculation_threads", std::to_string(CalculationThreads()));
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    if (benchmark::ReportUnrecognizedArguments(count, arguments.data())) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
