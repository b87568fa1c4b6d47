#include "ArithmeticFaults.h"

#include <cfenv>
#include <iterator>

namespace {

// The flag of each fault, in the order of its message.
constexpr int kFaultFlags[] = {FE_DIVBYZERO, FE_OVERFLOW, FE_INVALID};
static_assert(std::size(kFaultFlags) == std::size(kArithmeticFaultMessages));

}  // namespace

void ClearArithmeticFaults() {
    std::feclearexcept(FE_ALL_EXCEPT);
}

void NoteDivisionByZero() {
    std::feraiseexcept(FE_DIVBYZERO);
}

int RaisedArithmeticFaults() {
    return std::fetestexcept(FE_ALL_EXCEPT);
}

void RaiseArithmeticFaults(int faults) {
    if (faults != 0) {
        std::feraiseexcept(faults);
    }
}

std::string ArithmeticFaultMessage() {
    for (size_t i = 0; i < std::size(kFaultFlags); ++i) {
        if (std::fetestexcept(kFaultFlags[i])) {
            return std::string(kArithmeticFaultMessages[i]);
        }
    }
    return {};
}
