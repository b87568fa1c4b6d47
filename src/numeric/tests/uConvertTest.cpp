#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

#include "uConvert.h"

namespace {

using Limits = std::numeric_limits<Extended>;
using Written = std::pair<Extended, const char*>;
using Read = std::pair<std::string, Extended>;

TEST(RealToText, WritesFifteenDigitsInPlainOrExponentForm) {
    for (const auto& [value, text] :
         {Written(0.0L, "0"), Written(-0.0L, "0"), Written(-Limits::denorm_min(), "0"),
          Written(100.0L, "100"), Written(0.1L, "0.1"), Written(-2.5L, "-2.5"),
          Written(123456789012345.0L, "123456789012345"),
          Written(-999999999999999.0L, "-999999999999999"),
          Written(1234567890123456.0L, "1.23456789012346E15"), Written(1e15L, "1E15"),
          Written(0.0001L, "0.0001"), Written(0.00009L, "9E-5"), Written(-1.5e-7L, "-1.5E-7"),
          Written(1e100L, "1E100"), Written(Limits::infinity(), "INF"),
          Written(-Limits::infinity(), "-INF"), Written(Limits::quiet_NaN(), "NAN"),
          Written(-Limits::quiet_NaN(), "NAN"),
          // 0.1234567890123454999 is 123456789012345|500 in 18 digits: the 16th rounds up.
          Written(1.0L / 3, "0.333333333333333"), Written(2.0L / 3, "0.666666666666667"),
          Written(999999999999999.9L, "1E15"), Written(9999999999999.99L, "9999999999999.99"),
          Written(99999999999999.99L, "100000000000000"),
          Written(0.000099999999999999999L, "0.0001"),
          Written(Limits::max(), "1.18973149535723E4932"),
          Written(-Limits::min(), "-3.36210314311209E-4932"),
          Written(0.1234567890123454999L, "0.123456789012346"),
          Written(0.1234567890123449L, "0.123456789012345"), Written(9.999999999999995L, "10"),
          Written(-99999.99999999999L, "-100000")}) {
        EXPECT_EQ(RealToText(value), text);
    }
}

TEST(RealToText, NeverLongerThanTwentyThreeCharacters) {
    for (Extended value = -1.2345678901234567e-4000L; !std::isinf(value); value *= -1.0001e3L) {
        EXPECT_LE(RealToText(value).size(), 23u) << RealToText(value);
    }
}

TEST(TextToReal, ReadsEveryDigitAndPassesOverOtherCharacters) {
    const std::string nines(5000, '9');
    const std::string tinyFraction = "0." + std::string(5000, '0') + "1";
    for (const auto& [text, expected] :
         {Read("", 0.0L), Read("-", -0.0L), Read(".", 0.0L), Read("3.14", 3.14L),
          Read("-0.5", -0.5L), Read("+7", 7.0L), Read("12a3", 123.0L), Read("1,5", 15.0L),
          Read("1.5x3", 1.5L), Read("1e5", 15.0L), Read("a-5", 5.0L), Read(".5", 0.5L),
          Read("5.", 5.0L),
          // Every digit; ...617 and ...619 lie halfway and round to the even neighbour.
          Read("1234567890", 1234567890.0L), Read("0.1234567891", 0.1234567891L),
          Read("1234567890.5", 1234567890.5L),
          Read("123456789012345678901234567890", 123456789012345678901234567890.0L),
          Read("0.000000000000000000000000000001", 1e-30L),
          Read("18446744073709551617", 18446744073709551616.0L),
          Read("18446744073709551619", 18446744073709551620.0L), Read(nines, Limits::infinity()),
          Read(tinyFraction, 0.0L)}) {
        const Extended value = TextToReal(text);
        EXPECT_EQ(value, expected) << text.substr(0, 40);
        EXPECT_EQ(std::signbit(value), std::signbit(expected)) << text.substr(0, 40);
    }
}

TEST(TextToInt, ReadsTheDigitsOfTheFirstNineCharacters) {
    using IntRead = std::pair<const char*, int32_t>;
    for (const auto& [text, value] :
         {IntRead("12", 12), IntRead("-7", -7), IntRead("2.5", 25), IntRead("+3", 3),
          IntRead("a-5", 5), IntRead("--5", -5), IntRead("", 0), IntRead("1234567890", 123456789),
          IntRead("-123456789", -12345678)}) {
        EXPECT_EQ(TextToInt(text), value) << text;
    }
}

}  // namespace
