// Arbitrary input for the expression page. Each byte becomes one UTF-16 unit: ASCII as it is,
// then Cyrillic letters, characters Windows-1251 lacks, and the halves of a surrogate pair.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>

#include "ExpressionPage.h"

namespace {

char16_t UnitOf(uint8_t byte) {
    constexpr char16_t kLastFour[] = {u'\uFFFD', u'\u00A0', 0xD83D, 0xDE00};
    if (byte < 0x80) {
        return byte;
    }
    if (byte < 0xC0) {
        return static_cast<char16_t>(u'А' + (byte - 0x80));
    }
    if (byte >= 0xFC) {
        return kLastFour[byte - 0xFC];
    }
    return static_cast<char16_t>(u'中' + (byte - 0xC0));
}

void Require(bool holds, const char* invariant) {
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", invariant);
        std::abort();
    }
}

// -ddd or -ddd.ddd, with an optional exponent Ennn or E-nnn.
bool IsNumberText(const std::u16string& text) {
    if (text.find_first_not_of(u"0123456789.-E") != std::u16string::npos) {
        return false;
    }
    static const std::regex number("-?[0-9]+(\\.[0-9]+)?(E-?[0-9]+)?");
    return std::regex_match(std::string(text.begin(), text.end()), number);
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
