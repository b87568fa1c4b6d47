// The expression page on inputs as long as a Windows edit box holds by default.
#include <benchmark/benchmark.h>

#include <string>

#include "ExpressionPage.h"

namespace {

constexpr size_t kEditBoxLimit = 32767;

// 1+1+...+1: 16,383 terms.
std::u16string ManyTerms() {
    std::u16string text = u"1";
    for (int i = 1; i < 16383; ++i) {
        text += u"+1";
    }
    return text;
}

// ((((1)))): 10,000 groups, each inside the next.
std::u16string DeepGroups() {
    const size_t depth = 10000;
    return std::u16string(depth, u'(') + u"1" + std::u16string(depth, u')');
}

// (1)*(2)*...*(8)*(1)*...: 8,000 groups side by side.
std::u16string ManyGroups() {
    std::u16string text;
    for (int i = 0; i < 8000; ++i) {
        if (i > 0) {
            text += u'*';
        }
        text += {u'(', static_cast<char16_t>(u'1' + i % 8), u')'};
    }
    return text;
}

// Blocks with decimals, every operator, negative groups and groups three deep, up to the limit.
std::u16string Mixed() {
    const std::u16string block = u"(12.5*(0-3)/(4+0.25)-(1-(2*(0-0.5))))*(0-2)/(1.5-(0.25+1))-";
    std::u16string text;
    while (text.size() + block.size() < kEditBoxLimit) {
        text += block;
    }
    return text + u"1";
}

void Answer(benchmark::State& state, const std::u16string& input) {
    for (auto _ : state) {
        const PageAnswer answer = ExpressionPageAnswer(input);
        if (answer.isMessage) {
            state.SkipWithError("the input was not calculated");
            break;
        }
        benchmark::DoNotOptimize(answer);
    }
    state.SetLabel(std::to_string(input.size()) + " characters");
}

BENCHMARK_CAPTURE(Answer, ManyTerms, ManyTerms())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Answer, DeepGroups, DeepGroups())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Answer, ManyGroups, ManyGroups())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Answer, Mixed, Mixed())->Unit(benchmark::kMillisecond);

}  // namespace
