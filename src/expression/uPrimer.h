// The expression calculator: checks an arithmetic expression typed as one line of text
// and evaluates an accepted one.
#pragma once

#include <string>
#include <string_view>

#include "NumberCheck.h"
#include "uConvert.h"

// True when the text is an acceptable expression; otherwise false with the first fault's message.
bool CheckExpression(std::string_view text, std::string& message);

// The same test for a text without parentheses.
bool CheckFlatExpression(std::string_view text, std::string& message);

// The value of a text that CheckExpression accepted. Divisions by zero are noted with
// NoteDivisionByZero (ArithmeticFaults.h); overflows leave the floating-point flags set.
Extended EvaluateExpression(std::string_view text);
