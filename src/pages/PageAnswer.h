// What a page puts into its result box.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "BoxText.h"

// The first occurrence of the character an invalid-character message names, in the input box
// it came from: the box's place among the page's input boxes (matrix A 0, B 1) and the
// character's UTF-16 units there. Length 0 when no character was refused.
struct RefusedCharacter {
    size_t box;
    size_t offset;
    size_t length;
    bool operator==(const RefusedCharacter&) const = default;
};

struct PageAnswer {
    std::u16string text;  // the result box's text, lines separated by CR LF
    bool isMessage;       // a one-line message in place of a value, a matrix or a report
    RefusedCharacter refused;
};

// A check's message about `source`, the text of input box number `box`, which was `boxText`.
PageAnswer CheckFailedAnswer(std::string_view message, const Cp1251Text& source,
                             std::u16string_view boxText, size_t box);

// The answer of a calculation begun with ClearArithmeticFaults(): the message of the first
// arithmetic fault it raised, otherwise its own text.
PageAnswer CalculatedAnswer(const std::string& text, bool isMessage = false);

// A page with one input box: the check's message about the box's text, or else the answer of
// the calculation on the accepted bytes, which sets isMessage when its text is a message.
using PageCheck = bool (*)(const std::string& bytes, std::string& message);
using PageCalculation = std::string (*)(const std::string& bytes, bool& isMessage);
PageAnswer OneBoxAnswer(std::u16string_view input, PageCheck check, PageCalculation calculate);
