// The expression calculator: checks an arithmetic expression typed as one line of text
// and evaluates an accepted one.
#pragma once

#include <string>

#include "NumberCheck.h"
#include "uConvert.h"

// True when the text is an acceptable expression; otherwise false with the first fault's message.
bool CheckExpression(const std::string& text, std::string& message);

// The same test for a text without parentheses.
bool CheckFlatExpression(const std::string& text, std::string& message);

// The value of a text that CheckExpression accepted. Divisions by zero are noted with
// NoteDivisionByZero (ArithmeticFaults.h); overflows leave the floating-point flags set.
Extended EvaluateExpression(const std::string& text);
