// One thread against all logical processors, side by side in one run, on the largest work: "A^"
// 99 on 300 x 300, A*B and the determinant of 500 x 500, Cramer's rule on the largest system a
// box held, each the page's whole answer from the box texts; and the break-even of ParallelFor,
// a loop of multiply-adds on one thread and on all, by the work of the whole loop.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "BenchInputs.h"
#include "EquationsPage.h"
#include "MatrixPage.h"
#include "Parallel.h"

namespace {

const size_t kLogicalProcessors = std::max(1U, std::thread::hardware_concurrency());

// The answer of `answer` with state.range(0) threads; the count set before is set again after.
void OnThreads(benchmark::State& state, const std::function<PageAnswer()>& answer) {
    const size_t before = CalculationThreads();
    SetCalculationThreads(static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        const PageAnswer result = answer();
        if (result.isMessage) {
            state.SkipWithError("the page answered with a message");
            break;
        }
        benchmark::DoNotOptimize(result);
    }
    SetCalculationThreads(before);
}

const std::u16string kSquare300 = DigitText(300, 300, 300);
const std::u16string kSquare500 = DigitText(500, 500, 500);
const std::u16string kOtherSquare500 = DigitText(500, 500, 501);
const std::u16string kLargestSystem = LargestDenseSystem();

void Power99Of300(benchmark::State& state) {
    OnThreads(state, [] {
        return MatrixPageAnswer(MatrixOperation::Power, {kSquare300, u"", u"99", u""});
    });
}

void ProductOf500(benchmark::State& state) {
    OnThreads(state, [] {
        return MatrixPageAnswer(MatrixOperation::Product, {kSquare500, kOtherSquare500, u"", u""});
    });
}

void DeterminantOf500(benchmark::State& state) {
    OnThreads(state, [] {
        return MatrixPageAnswer(MatrixOperation::Determinant, {kSquare500, u"", u"", u""});
    });
}

void CramerLargestInBox(benchmark::State& state) {
    OnThreads(state, [] { return EquationsPageAnswer(kLargestSystem); });
}

BENCHMARK(Power99Of300)
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(kLogicalProcessors)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(ProductOf500)
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(kLogicalProcessors)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(DeterminantOf500)
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(kLogicalProcessors)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(CramerLargestInBox)
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(kLogicalProcessors)
    ->Unit(benchmark::kMillisecond);

// A loop of 64 indices, each a run of x87 multiply-adds, state.range(0) of them in all, handed
// to ParallelFor as worth any number of threads: on one thread and on all, in turn in every
// iteration. The quickest run of each, the one least disturbed by other work, gives
// all_per_one; below 1 the threads gain.
void BreakEven(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    constexpr size_t kIndices = 64;
    const auto work = static_cast<size_t>(state.range(0));
    const size_t before = CalculationThreads();
    std::vector<long double> sums(kIndices);
    const auto body = [&](size_t begin, size_t end) {
        for (size_t i = begin; i < end; ++i) {
            long double sum = 0;
            const long double factor = 1 + static_cast<long double>(i) / 128;
            for (size_t k = 0; k < work / kIndices; ++k) {
                sum += factor * static_cast<long double>(k);
            }
            sums[i] = sum;
        }
    };
    Clock::duration quickest[2] = {Clock::duration::max(), Clock::duration::max()};
    for (auto _ : state) {
        for (const size_t threads : {size_t{1}, kLogicalProcessors}) {
            SetCalculationThreads(threads);
            const auto start = Clock::now();
            ParallelFor(kIndices, SIZE_MAX, body);
            quickest[threads != 1] = std::min(quickest[threads != 1], Clock::now() - start);
            benchmark::DoNotOptimize(sums.data());
        }
    }
    SetCalculationThreads(before);
    using Microseconds = std::chrono::duration<double, std::micro>;
    state.counters["one_us"] = Microseconds(quickest[0]).count();
    state.counters["all_us"] = Microseconds(quickest[1]).count();
    state.counters["all_per_one"] = Microseconds(quickest[1]) / Microseconds(quickest[0]);
}
BENCHMARK(BreakEven)->RangeMultiplier(2)->Range(4096, 1 << 20);

}  // namespace
