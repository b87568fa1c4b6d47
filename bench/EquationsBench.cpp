// The equations page on dense systems: 20 unknowns, and the most a Windows edit box holds.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "EquationsPage.h"

namespace {

constexpr size_t kEditBoxLimit = 32767;

// n equations in x1..xn, every variable in every equation, pseudo-random coefficients from -9
// to 9 without 0, lines separated by CR LF.
std::u16string DenseSystem(size_t n) {
    uint32_t state = 12345;
    const auto next = [&state] {
        state = state * 1103515245U + 12345U;
        return state >> 16;
    };
    std::u16string text;
    for (size_t row = 0; row < n; ++row) {
        if (row > 0) {
            text += u"\r\n";
        }
        for (size_t column = 0; column < n; ++column) {
            const uint32_t random = next();
            if (random % 2 == 1) {
                text += u'-';
            } else if (column > 0) {
                text += u'+';
            }
            text += static_cast<char16_t>(u'1' + random / 2 % 9);
            text += u'x';
            for (const char c : std::to_string(column + 1)) {
                text += static_cast<char16_t>(c);
            }
        }
        text += u'=';
        for (const char c : std::to_string(next() % 100)) {
            text += static_cast<char16_t>(c);
        }
    }
    return text;
}

// The dense system with the most unknowns whose text fits the box.
std::u16string LargestDenseSystem() {
    size_t n = 1;
    while (DenseSystem(n + 1).size() <= kEditBoxLimit) {
        ++n;
    }
    return DenseSystem(n);
}

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

}  // namespace
