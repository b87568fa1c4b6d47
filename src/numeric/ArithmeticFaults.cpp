#include "ArithmeticFaults.h"

#include <cfenv>

void ClearArithmeticFaults() {
    std::feclearexcept(FE_ALL_EXCEPT);
}

void NoteDivisionByZero() {
    std::feraiseexcept(FE_DIVBYZERO);
}

std::string ArithmeticFaultMessage() {
    if (std::fetestexcept(FE_DIVBYZERO)) {
        return "Деление на ноль";
    }
    if (std::fetestexcept(FE_OVERFLOW)) {
        return "Переполнение";
    }
    if (std::fetestexcept(FE_INVALID)) {
        return "Недопустимая операция";
    }
    return {};
}
