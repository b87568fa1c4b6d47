// The test of one number token, shared by the expression, matrix and equation checks:
// an optional sign, one or more digits, and optionally "." followed by one or more digits.
#pragma once

#include <string>
#include <string_view>

// True for a well-formed token. Otherwise false, with message set to the first fault:
// "Недопустимый символ: " and the character, "Ошибка: \".\"" or "Ошибка: \"+,-\"".
// The token is never empty.
bool CheckNumber(std::string_view token, std::string& message);
