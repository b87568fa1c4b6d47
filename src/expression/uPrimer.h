// The expression calculator: checks an arithmetic expression typed as one line of text
// and evaluates an accepted one.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "NumberCheck.h"
#include "uConvert.h"

// The messages of the expression's own faults, indexed by ExpressionFault; the number faults
// are the number test's.
enum ExpressionFault : size_t {
    kOperatorFault,
    kLeadingProductFault,
    kCloseFault,
    kUnclosedFault,
    kOpenFault
};
inline constexpr std::string_view kExpressionMessages[] = {
    "Ошибка \"+,-,/,*\"", "Ошибка \"*,/\"", "Ошибка \")\"", "Ошибка \"()\"", "Ошибка \"(\""};

// True when the text is an acceptable expression; otherwise false with the first fault's message.
bool CheckExpression(std::string_view text, std::string& message);

// The value of a text that CheckExpression accepted. Divisions by zero are noted with
// NoteDivisionByZero (ArithmeticFaults.h); overflows leave the floating-point flags set.
Extended EvaluateExpression(std::string_view text);
