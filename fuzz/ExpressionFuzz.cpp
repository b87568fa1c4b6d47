// Arbitrary input for the expression page. Each byte becomes one UTF-16 unit: ASCII as it is,
// then Cyrillic letters, characters Windows-1251 lacks, and the halves of a surrogate pair.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ExpressionPage.h"

namespace {

char16_t UnitOf(uint8_t byte) {
    if (byte < 0x80) {
        return byte;
    }
    if (byte < 0xC0) {
        return static_cast<char16_t>(u'А' + (byte - 0x80));
    }
    switch (byte) {
        case 0xFC:
            return u'\uFFFD';
        case 0xFD:
            return u'\u00A0';
        case 0xFE:
            return 0xD83D;
        case 0xFF:
            return 0xDE00;
        default:
            return static_cast<char16_t>(u'中' + (byte - 0xC0));
    }
}

void Require(bool holds, const char* invariant) {
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", invariant);
        std::abort();
    }
}

bool IsDigit(char16_t unit) {
    return unit >= u'0' && unit <= u'9';
}

// Skips a run of digits from `at`; false when there is none.
bool SkipDigits(const std::u16string& text, size_t& at) {
    const size_t start = at;
    while (at < text.size() && IsDigit(text[at])) {
        ++at;
    }
    return at > start;
}

// -ddd, -ddd.ddd, with an optional exponent Ennn or E-nnn.
bool IsNumberText(const std::u16string& text) {
    size_t at = text.starts_with(u'-') ? 1 : 0;
    if (!SkipDigits(text, at)) {
        return false;
    }
    if (at < text.size() && text[at] == u'.' && !SkipDigits(text, ++at)) {
        return false;
    }
    if (at < text.size() && text[at] == u'E') {
        ++at;
        if (at < text.size() && text[at] == u'-') {
            ++at;
        }
        if (!SkipDigits(text, at)) {
            return false;
        }
    }
    return at == text.size();
}

std::u16string Negated(const std::u16string& number) {
    if (number == u"0") {
        return number;
    }
    return number.starts_with(u'-') ? number.substr(1) : u"-" + number;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::u16string input;
    input.reserve(size);
    for (size_t i = 0; i < size; ++i) {
        input += UnitOf(data[i]);
    }
    const PageAnswer answer = ExpressionPageAnswer(input);
    Require(!answer.text.empty(), "the answer is never empty");
    Require(answer.text.find(u"INF") == std::u16string::npos, "no INF");
    Require(answer.text.find(u"NAN") == std::u16string::npos, "no NAN");
    const PageAnswer again = ExpressionPageAnswer(input);
    Require(again.text == answer.text && again.isMessage == answer.isMessage,
            "the same input gives the same answer");
    if (!ToCp1251(input).firstUnmapped.empty()) {
        Require(answer.isMessage, "a character outside Windows-1251 is refused");
    }
    if (answer.isMessage) {
        return 0;
    }
    Require(IsNumberText(answer.text), "a value is a number text");
    Require(ExpressionPageAnswer(u"(" + input + u")").text == answer.text,
            "a group has the value of its inside");
    Require(ExpressionPageAnswer(u"-(" + input + u")").text == Negated(answer.text),
            "a minus before a group negates it");
    return 0;
}
