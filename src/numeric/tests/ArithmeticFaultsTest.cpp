#include <gtest/gtest.h>

#include <limits>
#include <tuple>
#include <vector>

#include "ArithmeticFaults.h"
#include "uConvert.h"

namespace {

using Limits = std::numeric_limits<Extended>;
using Step = void (*)();

// volatile: done at run time, where the operation raises its flags.
Extended Multiply(Extended a, Extended b) {
    volatile Extended product = a * b;
    return product;
}

Extended Divide(Extended a, Extended b) {
    volatile Extended quotient = a / b;
    return quotient;
}

TEST(ArithmeticFaults, NamesTheFaultOfHighestPrecedence) {
    const Step overflow = [] { Multiply(Limits::max(), 2); };
    const Step underflow = [] { Multiply(Limits::min(), Limits::min()); };
    const Step zeroByZero = [] { Divide(0, 0); };
    const Step oneByZero = [] { Divide(1, 0); };
    const std::tuple<const char*, std::vector<Step>, const char*> cases[] = {
        {"overflow", {overflow}, "Переполнение"},
        {"nothing since the clear", {}, ""},
        {"underflow", {underflow}, ""},
        {"unnoted 0/0", {zeroByZero}, "Недопустимая операция"},
        {"1/0", {oneByZero}, "Деление на ноль"},
        {"noted 0/0", {NoteDivisionByZero, zeroByZero}, "Деление на ноль"},
        {"overflow, noted division", {overflow, NoteDivisionByZero}, "Деление на ноль"},
        {"invalid, overflow", {zeroByZero, overflow}, "Переполнение"}};
    for (const auto& [name, steps, message] : cases) {
        ClearArithmeticFaults();
        for (const Step step : steps) {
            step();
        }
        EXPECT_EQ(ArithmeticFaultMessage(), message) << name;
    }
}

}  // namespace
