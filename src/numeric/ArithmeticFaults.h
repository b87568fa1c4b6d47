// Arithmetic faults of a calculation: the floating-point exceptions stay masked, and a page
// looks at the flags they left to tell the user what went wrong.
#pragma once

#include <string>

// Clears the flags; call it right before a calculation.
void ClearArithmeticFaults();

// Marks a division by a zero divisor, so that 0/0 counts as one too.
void NoteDivisionByZero();

// The message for the faults raised since the last clear, in this order of precedence:
// "Деление на ноль", "Переполнение", "Недопустимая операция"; empty when there were none.
// Underflow and inexact results are no faults.
std::string ArithmeticFaultMessage();
