// Arithmetic faults of a calculation: the floating-point exceptions stay masked, and a page
// looks at the flags they left to tell the user what went wrong.
#pragma once

#include <string>
#include <string_view>

// The faults' messages in their order of precedence: division by zero, overflow, invalid
// operation. Underflow and inexact results are no faults.
inline constexpr std::string_view kArithmeticFaultMessages[] = {"Деление на ноль", "Переполнение",
                                                                "Недопустимая операция"};

// Clears the flags. RunCalculation (Calculation.h) clears them before a calculation and reads
// them after it.
void ClearArithmeticFaults();

// Marks a division by a zero divisor, so that 0/0 counts as one too.
void NoteDivisionByZero();

// The fault flags raised on this thread since the last clear, and raising them on another: a
// helper thread's faults are those of the calculation it helps.
int RaisedArithmeticFaults();
void RaiseArithmeticFaults(int faults);

// The message of the first fault raised since the last clear; empty when there were none.
std::string ArithmeticFaultMessage();
