// The matrix page's work, text in and text out, on the largest boxes: the determinant of every
// order up to 127 (about what 32,767 characters of one-digit numbers hold), "A^" 99, and every
// operation on a full box; the determinant beside the plain cofactor expansion; and the exact
// determinant, inverse and rank of 100 x 100 matrices of 20-digit decimals.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <random>
#include <string>

#include "Calculation.h"
#include "MatrixPage.h"
#include "PlainDeterminant.h"

namespace {

constexpr size_t kBoxCharacters = 32767;

// Rows of random digits, one space apart.
std::u16string DigitText(size_t rows, size_t columns, unsigned seed) {
    std::mt19937 random(seed);
    std::u16string text;
    for (size_t i = 0; i < rows; ++i) {
        if (i > 0) {
            text += u"\r\n";
        }
        for (size_t j = 0; j < columns; ++j) {
            if (j > 0) {
                text += u' ';
            }
            text += static_cast<char16_t>(u'0' + random() % 10);
        }
    }
    return text;
}

void RunPage(benchmark::State& state, MatrixOperation operation, const MatrixPageInput& input) {
    const size_t characters = input.a.size() + input.b.size();
    for (auto _ : state) {
        benchmark::DoNotOptimize(MatrixPageAnswer(operation, input));
    }
    state.counters["characters"] = static_cast<double>(characters);
}

void PageDeterminant(benchmark::State& state) {
    const auto n = static_cast<size_t>(state.range(0));
    const std::u16string a = DigitText(n, n, static_cast<unsigned>(n));
    RunPage(state, MatrixOperation::Determinant, {a, u"", u"", u""});
}
BENCHMARK(PageDeterminant)->DenseRange(4, 127)->Unit(benchmark::kMillisecond);

void PagePower99(benchmark::State& state) {
    const auto n = static_cast<size_t>(state.range(0));
    const std::u16string a = DigitText(n, n, 44);
    RunPage(state, MatrixOperation::Power, {a, u"", u"99", u""});
}
BENCHMARK(PagePower99)->Arg(44)->Arg(127)->Unit(benchmark::kMillisecond);

// "A^" 99 on 127 x 127 as the command line runs it and as the window's worker does, in turn in
// every iteration so that both see the same machine: the worker's watch takes each step into
// atomics. The quickest run of each, the one least disturbed by other work, gives
// watched_per_plain, less 1 what the progress and stop checks cost; steps counts the reports.
void PagePower99Watched(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    const std::u16string a = DigitText(127, 127, 44);
    std::atomic<size_t> steps{0};
    std::atomic<size_t> done{0};
    CalculationWatch watch{[&](size_t stepsDone, size_t) {
        ++steps;
        done = stepsDone;
    }};
    Clock::duration quickest[2] = {Clock::duration::max(), Clock::duration::max()};
    for (auto _ : state) {
        for (const bool watched : {false, true}) {
            WatchCalculations(watched ? &watch : nullptr);
            const auto start = Clock::now();
            benchmark::DoNotOptimize(
                MatrixPageAnswer(MatrixOperation::Power, {a, u"", u"99", u""}));
            quickest[watched] = std::min(quickest[watched], Clock::now() - start);
        }
        WatchCalculations(nullptr);
    }
    state.counters["watched_per_plain"] =
        std::chrono::duration<double>(quickest[1]) / std::chrono::duration<double>(quickest[0]);
    state.counters["steps"] = static_cast<double>(steps) / static_cast<double>(state.iterations());
}
BENCHMARK(PagePower99Watched)->Unit(benchmark::kMillisecond);

// One report of a step, unwatched and watched as above; times the steps of a run, it bounds their
// cost more finely than two runs' times can.
void NoteProgressOnce(benchmark::State& state) {
    std::atomic<size_t> done{0};
    CalculationWatch watch{[&](size_t stepsDone, size_t) { done = stepsDone; }};
    WatchCalculations(state.range(0) != 0 ? &watch : nullptr);
    size_t step = 0;
    for (auto _ : state) {
        NoteProgress(step++, 1000);
    }
    WatchCalculations(nullptr);
}
BENCHMARK(NoteProgressOnce)->ArgName("watched")->Arg(0)->Arg(1);

// Full boxes: the square of order 127, a row and a column of single digits.
const std::u16string kSquare127 = DigitText(127, 127, 1);
const std::u16string kOtherSquare127 = DigitText(127, 127, 2);
const std::u16string kRow = DigitText(1, (kBoxCharacters + 1) / 2, 3);
const std::u16string kColumn = DigitText((kBoxCharacters + 2) / 3, 1, 4);

struct FullBox {
    const char* name;
    MatrixOperation operation;
    const std::u16string* a;
    const std::u16string* b;
};

const FullBox kFullBoxes[] = {
    {"determinant/127x127", MatrixOperation::Determinant, &kSquare127, nullptr},
    {"sum/127x127", MatrixOperation::Sum, &kSquare127, &kOtherSquare127},
    {"difference/127x127", MatrixOperation::Difference, &kSquare127, &kOtherSquare127},
    {"product/127x127", MatrixOperation::Product, &kSquare127, &kOtherSquare127},
    {"product/row_by_column", MatrixOperation::Product, &kRow, &kColumn},
    {"power99/127x127", MatrixOperation::Power, &kSquare127, nullptr},
    {"byNumber/127x127", MatrixOperation::ByNumber, &kSquare127, nullptr},
    {"byNumber/row", MatrixOperation::ByNumber, &kRow, nullptr},
    {"transpose/127x127", MatrixOperation::Transpose, &kSquare127, nullptr},
    {"transpose/row", MatrixOperation::Transpose, &kRow, nullptr},
    {"transpose/column", MatrixOperation::Transpose, &kColumn, nullptr},
    {"sum/row", MatrixOperation::Sum, &kRow, &kRow},
};

const bool kFullBoxesRegistered = [] {
    for (const FullBox& box : kFullBoxes) {
        benchmark::RegisterBenchmark(
            (std::string("FullBox/") + box.name).c_str(),
            [box](benchmark::State& state) {
                RunPage(
                    state, box.operation,
                    {*box.a, box.b != nullptr ? std::u16string_view(*box.b) : u"", u"99", u"99"});
            })
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

TwoDimDynA DigitMatrix(size_t n) {
    std::mt19937 random(static_cast<unsigned>(n));
    TwoDimDynA m(n, ArrayOfExtended(n));
    for (ArrayOfExtended& row : m) {
        for (Extended& x : row) {
            x = static_cast<Extended>(random() % 19) - 9;
        }
    }
    return m;
}

// The plain expansion's time per call, and beside it the determinant's on the same matrix,
// both taken in every iteration so that they see the same machine.
void PlainExpansion(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    constexpr int kOurCalls = 20;
    const TwoDimDynA a = DigitMatrix(static_cast<size_t>(state.range(0)));
    std::chrono::duration<double> plainTotal{};
    std::chrono::duration<double> ourTotal{};
    for (auto _ : state) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(plain::Determinant(a));
        const auto plainEnd = Clock::now();
        for (int i = 0; i < kOurCalls; ++i) {
            benchmark::DoNotOptimize(Determinant(a));
        }
        const auto ourEnd = Clock::now();
        plainTotal += plainEnd - start;
        ourTotal += (ourEnd - plainEnd) / kOurCalls;
        state.SetIterationTime(std::chrono::duration<double>(plainEnd - start).count());
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["plain_ms"] = plainTotal.count() / iterations * 1e3;
    state.counters["ours_us"] = ourTotal.count() / iterations * 1e6;
    state.counters["plain_per_ours"] = plainTotal / ourTotal;
}
BENCHMARK(PlainExpansion)->DenseRange(8, 11)->UseManualTime()->Unit(benchmark::kMillisecond);

// A column by a row: the result, and the work, grow with rows times columns, not with the text,
// up to the largest product the page writes.
void OuterProduct(benchmark::State& state) {
    const auto n = static_cast<size_t>(state.range(0));
    const std::u16string column = DigitText(n, 1, 5);
    const std::u16string row = DigitText(1, n, 6);
    RunPage(state, MatrixOperation::Product, {column, row, u"", u""});
    state.counters["elements"] = static_cast<double>(n * n);
}
BENCHMARK(OuterProduct)
    ->Arg(100)
    ->Arg(300)
    ->Arg(500)
    ->Arg(501)
    ->Arg(16383)
    ->Unit(benchmark::kMillisecond);

// Rows of n decimals of 20 digits, 10 before the point and 10 after, signs at random; a
// singular matrix ends with its first row again.
std::u16string DecimalText(size_t n, bool singular) {
    std::mt19937_64 random(20);
    std::u16string text;
    std::u16string firstRow;
    for (size_t i = 0; i < n; ++i) {
        std::u16string row;
        for (size_t j = 0; j < n; ++j) {
            const std::string number = (random() % 2 == 0 ? "-" : "") +
                                       std::to_string(1000000000 + random() % 9000000000) + "." +
                                       std::to_string(1000000000 + random() % 9000000000);
            row += (j == 0 ? u"" : u" ") + std::u16string(number.begin(), number.end());
        }
        firstRow = i == 0 ? row : firstRow;
        text += (i == 0 ? u"" : u"\r\n") + (singular && i + 1 == n ? firstRow : row);
    }
    return text;
}

// «Точные дроби»: the determinant, the inverse and the rank with their reports, the text read and
// written, watched as the window watches them.
void Exact(benchmark::State& state, MatrixOperation operation, size_t n, bool singular) {
    const std::u16string a = DecimalText(n, singular);
    CalculationWatch watch{[](size_t, size_t) {}};
    WatchCalculations(&watch);
    for (auto _ : state) {
        const PageAnswer answer = MatrixPageAnswer(operation, {a, u"", u"", u"", true});
        if (answer.isMessage != (singular && operation == MatrixOperation::Inverse)) {
            state.SkipWithError("unexpected message");
            break;
        }
        benchmark::DoNotOptimize(answer);
    }
    WatchCalculations(nullptr);
}
BENCHMARK_CAPTURE(Exact, Determinant10, MatrixOperation::Determinant, 10, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Exact, Determinant100, MatrixOperation::Determinant, 100, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Exact, DeterminantSingular100, MatrixOperation::Determinant, 100, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Exact, Rank100, MatrixOperation::Rank, 100, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Exact, RankSingular100, MatrixOperation::Rank, 100, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Exact, Inverse10, MatrixOperation::Inverse, 10, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Exact, Inverse100, MatrixOperation::Inverse, 100, false)
    ->Unit(benchmark::kMillisecond);

}  // namespace
