#include <gtest/gtest.h>

#include <cmath>

#include "ArithmeticFaults.h"
#include "uConvert.h"

namespace {

Extended Divide(Extended a, Extended b) {
    volatile Extended quotient = a / b;
    return quotient;
}

Extended Multiply(Extended a, Extended b) {
    volatile Extended product = a * b;
    return product;
}

TEST(ArithmeticFaults, NamesTheFaultThatHappenedFirstInPrecedence) {
    const Extended huge = TextToReal(std::string(4000, '9'));
    struct Case {
        const char* name;
        void (*calculation)(Extended);
        const char* message;
    };
    const Case cases[] = {
        {"nothing", [](Extended) { Multiply(2, 3); }, ""},
        {"underflow", [](Extended) { Multiply(1e-4000L, 1e-4000L); }, ""},
        {"overflow", [](Extended h) { Multiply(h, h); }, "Переполнение"},
        {"invalid", [](Extended) { Multiply(0, std::numeric_limits<Extended>::infinity()); },
         "Недопустимая операция"},
        {"noted division",
         [](Extended) {
             NoteDivisionByZero();
             Divide(0, 0);
         },
         "Деление на ноль"},
        {"overflow then division",
         [](Extended h) {
             Multiply(h, h);
             NoteDivisionByZero();
         },
         "Деление на ноль"},
        {"invalid then overflow",
         [](Extended h) {
             Divide(0, 0);
             Multiply(h, h);
         },
         "Переполнение"},
    };
    for (const Case& c : cases) {
        ClearArithmeticFaults();
        c.calculation(huge);
        EXPECT_EQ(ArithmeticFaultMessage(), c.message) << c.name;
    }
}

TEST(ArithmeticFaults, DividingANonZeroByZeroRaisesTheFlagItself) {
    ClearArithmeticFaults();
    EXPECT_TRUE(std::isinf(Divide(1, 0)));
    EXPECT_EQ(ArithmeticFaultMessage(), "Деление на ноль");
    ClearArithmeticFaults();
    EXPECT_EQ(ArithmeticFaultMessage(), "");
}

}  // namespace
