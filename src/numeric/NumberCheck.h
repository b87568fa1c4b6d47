// The test of one number token, shared by the expression, matrix and equation checks:
// an optional sign, one or more digits, and optionally "." followed by one or more digits.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
constexpr bool IsSign(char c) {
    return c == '+' || c == '-';
}

// The messages of the number test, indexed by NumberFault. Every check names the first character
// it does not allow after the invalid-character message.
enum NumberFault : size_t { kInvalidCharacter, kPointFault, kSignFault };
inline constexpr std::string_view kNumberMessages[] = {"Недопустимый символ: ", "Ошибка: \".\"",
                                                       "Ошибка: \"+,-\""};

std::string InvalidCharacterMessage(char c);

// True for a well-formed token. Otherwise false, with message set to the first fault's.
// The token is never empty.
bool CheckNumber(std::string_view token, std::string& message);
