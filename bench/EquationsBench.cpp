// The equations page on dense systems: 20 unknowns, and the most a Windows edit box holds; the
// exact verdict on 100 unknowns with 20-digit decimals, beside the determinant it accompanies;
// Gauss's and the matrix method on 100 unknowns with 20-digit decimals and on 10 with 6-digit
// ones; the exact solutions of 100 unknowns, regular and of rank 90, on one thread and on all.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "BenchInputs.h"
#include "Calculation.h"
#include "EquationsPage.h"
#include "ExactNumbers.h"
#include "ExactSystem.h"
#include "Parallel.h"
#include "SystemText.h"

namespace {

void Solve(benchmark::State& state, const std::u16string& input) {
    for (auto _ : state) {
        const PageAnswer answer = EquationsPageAnswer(input);
        if (answer.isMessage) {
            state.SkipWithError("the system was not solved");
            break;
        }
        benchmark::DoNotOptimize(answer);
    }
    const auto equations = std::count(input.begin(), input.end(), u'\r') + 1;
    state.SetLabel(std::to_string(equations) + " equations, " + std::to_string(input.size()) +
                   " characters");
}

BENCHMARK_CAPTURE(Solve, Unknowns20, DenseSystem(20))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Solve, LargestInBox, LargestDenseSystem())->Unit(benchmark::kMillisecond);

// n equations in x1..xn, every coefficient of 2 * halfDigits digits, half of them decimals. A
// singular system ends with the first equation's left side again, under another free term.
std::string DecimalSystem(size_t n, bool singular, size_t halfDigits = 10) {
    std::mt19937_64 random(7);
    uint64_t unit = 1;  // the least number of halfDigits digits
    for (size_t i = 1; i < halfDigits; ++i) {
        unit *= 10;
    }
    const auto digits = [&random](uint64_t lowest, uint64_t count) {
        return std::to_string(lowest + random() % count);
    };
    std::string text;
    std::string firstLeftSide;
    for (size_t row = 0; row < n; ++row) {
        const bool repeatsFirst = singular && row + 1 == n;
        std::string leftSide = repeatsFirst ? firstLeftSide : "";
        for (size_t column = 0; column < n && !repeatsFirst; ++column) {
            leftSide += random() % 2 == 0 ? "+" : "-";
            const std::string decimals = digits(0, 10 * unit);
            leftSide += digits(unit, 9 * unit) + "." +
                        std::string(halfDigits - decimals.size(), '0') + decimals + "x" +
                        std::to_string(column + 1);
        }
        firstLeftSide = row == 0 ? leftSide : firstLeftSide;
        text += (row == 0 ? "" : "\r\n") + leftSide + "=" + digits(0, 1000) + ".5";
    }
    return text;
}

// n equations in x1..xn with coefficients of 10 + 10 digits, as DecimalSystem writes them; the
// first `rank` random, each later one the sum of two before it, its free term too: a consistent
// system of that rank.
std::string DependentSystem(size_t n, size_t rank) {
    std::mt19937_64 random(7);
    const Integer unit = 10'000'000'000;  // the numbers in ten-billionths
    const auto decimal = [&unit](const Integer& x) {
        const Integer magnitude = abs(x);
        const std::string decimals = Integer(magnitude % unit + unit).str().substr(1);
        return (x < 0 ? "-" : "+") + Integer(magnitude / unit).str() + "." + decimals;
    };
    std::vector<std::vector<Integer>> rows;
    std::string text;
    for (size_t row = 0; row < n; ++row) {
        std::vector<Integer>& numbers = rows.emplace_back();
        for (size_t column = 0; column <= n; ++column) {
            if (row >= rank) {
                numbers.push_back(rows[row - rank][column] + rows[row - rank + 1][column]);
            } else if (column < n) {
                const Integer magnitude = (unit / 10 + random() % (unit * 9 / 10)) * unit +
                                          static_cast<uint64_t>(random()) % unit;
                numbers.push_back(random() % 2 == 0 ? magnitude : Integer(-magnitude));
            } else {
                numbers.push_back((random() % 1000) * unit + unit / 2);
            }
            text += column < n ? decimal(numbers.back()) + "x" + std::to_string(column + 1)
                               : "=" + decimal(numbers.back()).substr(1);
        }
        text += row + 1 < n ? "\r\n" : "";
    }
    return text;
}

void ExactVerdict(benchmark::State& state, const std::string& text) {
    const SystemTerms system = ReadSystemTerms(text);
    SystemRanks ranks;
    for (auto _ : state) {
        ranks = ExactRanks(AugmentedMatrix(system), system.names.size());
        benchmark::DoNotOptimize(ranks);
    }
    state.SetLabel("ranks " + std::to_string(ranks.coefficients) + " and " +
                   std::to_string(ranks.withFreeTerms));
}

void BinaryDeterminant(benchmark::State& state, const std::string& text) {
    const TwoDimDynA coefficients = CoefficientMatrix(ReadSystemTerms(text));
    for (auto _ : state) {
        benchmark::DoNotOptimize(Determinant(coefficients));
    }
}

BENCHMARK_CAPTURE(ExactVerdict, Regular100, DecimalSystem(100, false))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ExactVerdict, Singular100, DecimalSystem(100, true))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BinaryDeterminant, Regular100, DecimalSystem(100, false))
    ->Unit(benchmark::kMillisecond);

}  // namespace

// The page's answer by an exact method, the box's text read and the report written.
// Watched as the window watches it; steps counts the progress reports of one solution, which
// times NoteProgressOnce (matrix_bench) bounds what the watch costs.
void SolveExactly(benchmark::State& state, SolveMethod method, const std::string& text) {
    const std::u16string input(text.begin(), text.end());
    std::atomic<size_t> steps{0};
    CalculationWatch watch{[&](size_t, size_t) { ++steps; }};
    WatchCalculations(&watch);
    for (auto _ : state) {
        const PageAnswer answer = EquationsPageAnswer(input, method);
        if (answer.isMessage) {
            state.SkipWithError("the system was not solved");
            break;
        }
        benchmark::DoNotOptimize(answer);
    }
    WatchCalculations(nullptr);
    state.counters["steps"] = static_cast<double>(steps) / static_cast<double>(state.iterations());
}

BENCHMARK_CAPTURE(SolveExactly, Gauss100, SolveMethod::Gauss, DecimalSystem(100, false))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SolveExactly, GaussSingular100, SolveMethod::Gauss, DecimalSystem(100, true))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SolveExactly, Matrix100, SolveMethod::Matrix, DecimalSystem(100, false))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SolveExactly, Gauss10, SolveMethod::Gauss, DecimalSystem(10, false, 3))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SolveExactly, Matrix10, SolveMethod::Matrix, DecimalSystem(10, false, 3))
    ->Unit(benchmark::kMillisecond);

// The same, with state.range(0) threads: the one beside all logical processors.
void SolveExactlyOnThreads(benchmark::State& state, SolveMethod method, const std::string& text) {
    SetCalculationThreads(static_cast<size_t>(state.range(0)));
    SolveExactly(state, method, text);
    SetCalculationThreads(0);
}

const int64_t kLogicalProcessors = std::max(1U, std::thread::hardware_concurrency());

BENCHMARK_CAPTURE(SolveExactlyOnThreads, Gauss100, SolveMethod::Gauss, DecimalSystem(100, false))
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(kLogicalProcessors)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SolveExactlyOnThreads, Matrix100, SolveMethod::Matrix, DecimalSystem(100, false))
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(kLogicalProcessors)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SolveExactlyOnThreads, GaussRank90, SolveMethod::Gauss, DependentSystem(100, 90))
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(kLogicalProcessors)
    ->Unit(benchmark::kMillisecond);
