#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

#include "ArithmeticFaults.h"
#include "Calculation.h"
#include "CheckCases.h"
#include "NumberCheck.h"
#include "uConvert.h"

namespace {

using Limits = std::numeric_limits<Extended>;

TEST(RealToText, WritesFifteenDigitsInPlainOrExponentForm) {
    using Written = std::pair<Extended, const char*>;
    for (const auto& [value, text] :
         {Written(-0.0L, "0"), Written(-Limits::denorm_min(), "0"),
          Written(-999999999999999.0L, "-999999999999999"), Written(1e15L, "1E15"),
          Written(0.00009L, "9E-5"), Written(-1.5e-7L, "-1.5E-7"),
          Written(Limits::infinity(), "INF"), Written(-Limits::infinity(), "-INF"),
          Written(-Limits::quiet_NaN(), "NAN"), Written(1.0L / 3, "0.333333333333333"),
          Written(999999999999999.9L, "1E15"), Written(99999999999999.99L, "100000000000000"),
          Written(0.000099999999999999999L, "0.0001"),
          Written(Limits::max(), "1.18973149535723E4932"),
          Written(-Limits::min(), "-3.36210314311209E-4932"),
          // 0.1234567890123454999 is 123456789012345|500 in 18 digits: the 16th rounds up.
          Written(0.1234567890123454999L, "0.123456789012346"),
          Written(-99999.99999999999L, "-100000")}) {
        EXPECT_EQ(RealToText(value), text);
    }
}

TEST(TextToReal, ReadsEveryDigitAndPassesOverOtherCharacters) {
    using Read = std::pair<std::string, Extended>;
    for (const auto& [text, expected] :
         {Read("", 0.0L), Read("-", -0.0L), Read(".", 0.0L), Read("+7", 7.0L), Read("12a3", 123.0L),
          Read("1.5x3", 1.5L), Read("a-5", 5.0L),
          Read("123456789012345678901234567890", 123456789012345678901234567890.0L),
          Read("0.000000000000000000000000000001", 1e-30L),
          // ...617 and ...619 lie halfway and round to the even neighbour.
          Read("18446744073709551617", 18446744073709551616.0L),
          Read("18446744073709551619", 18446744073709551620.0L),
          Read(std::string(5000, '9'), Limits::infinity()),
          Read("0." + std::string(5000, '0') + "1", 0.0L)}) {
        const Extended value = TextToReal(text);
        EXPECT_EQ(value, expected) << text.substr(0, 40);
        EXPECT_EQ(std::signbit(value), std::signbit(expected)) << text.substr(0, 40);
    }
}

TEST(TextToInt, ReadsTheDigitsOfTheFirstNineCharacters) {
    using IntRead = std::pair<const char*, int32_t>;
    for (const auto& [text, value] :
         {IntRead("-7", -7), IntRead("2.5", 25), IntRead("+3", 3), IntRead("a-5", 5),
          IntRead("", 0), IntRead("1234567890", 123456789), IntRead("-123456789", -12345678)}) {
        EXPECT_EQ(TextToInt(text), value) << text;
    }
}

// Characters first, then the point count and ends, the sign count, and the walk in text order.
TEST(CheckNumber, NamesTheFirstFault) {
    ExpectChecks(CheckNumber,
                 {Accepted("5"), Accepted("+5"), Accepted("-12.75"), Rejected("1x", kInvalid + "x"),
                  Rejected("1..x", kInvalid + "x"), Rejected(".5", kPoint), Rejected("5.", kPoint),
                  Rejected("1.2.3", kPoint), Rejected("-.", kPoint), Rejected("+-1.", kPoint),
                  Rejected("--1", kSign), Rejected("1-2", kSign), Rejected("-", kSign),
                  Rejected("-.5", kSign), Rejected("1.-5", kPoint), Rejected("1-.5", kSign),
                  Rejected("1.-5-", kSign)});
}

// volatile: read and written at run time, where the operations raise their flags.
volatile Extended zero = 0;
volatile Extended result;

TEST(ArithmeticFaults, NamesTheFaultOfHighestPrecedence) {
    using Step = void (*)();
    const Step overflow = [] { result = Limits::max() * (2 + zero); };
    const Step underflow = [] { result = Limits::min() * (Limits::min() + zero); };
    const Step zeroByZero = [] { result = zero / zero; };
    const Step oneByZero = [] { result = 1 / zero; };
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

// 1 + 2^-60 - 1 keeps 2^-60 with 64-bit significands and loses it with 53-bit ones.
Extended SmallDifference() {
    volatile Extended one = 1;
    volatile Extended tiny = 0x1p-60L;
    return one + tiny - one;
}

// The value on a thread of its own, which sets the control word `word` first.
Extended OnNewThread(uint16_t word, Extended (*calculate)()) {
    Extended value = 0;
    std::thread([&] {
        SetX87ControlWord(word);
        value = calculate();
    }).join();
    return value;
}

Extended Calculated() {
    Extended value = 0;
    RunCalculation([&] { return RealToText(value = SmallDifference()); });
    return value;
}

TEST(RunCalculation, GivesTheSameBitsOnANewThreadAsOnTheMainOne) {
    const Extended onMain = Calculated();
    const Extended onNew = OnNewThread(kExtendedControlWord, Calculated);
    EXPECT_EQ(std::memcmp(&onMain, &onNew, 10), 0);
    EXPECT_EQ(onMain, 0x1p-60L);
    EXPECT_EQ(OnNewThread(0x027F, SmallDifference), 0) << "53-bit significands";
}

}  // namespace
