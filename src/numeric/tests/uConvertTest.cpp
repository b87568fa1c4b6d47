#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "uConvert.h"

namespace {

struct WrittenCase {
    Extended value;
    const char* text;
};

class RealToTextTest : public testing::TestWithParam<WrittenCase> {};

TEST_P(RealToTextTest, WritesGeneralLayout) {
    EXPECT_EQ(RealToText(GetParam().value), GetParam().text);
}

const Extended kInfinity = std::numeric_limits<Extended>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Layouts, RealToTextTest,
    testing::Values(
        WrittenCase{0.0L, "0"}, WrittenCase{-0.0L, "0"},
        WrittenCase{std::numeric_limits<Extended>::denorm_min(), "0"},
        WrittenCase{-std::numeric_limits<Extended>::denorm_min(), "0"}, WrittenCase{100.0L, "100"},
        WrittenCase{0.1L, "0.1"}, WrittenCase{-2.5L, "-2.5"},
        WrittenCase{1.0L / 3, "0.333333333333333"}, WrittenCase{2.0L / 3, "0.666666666666667"},
        WrittenCase{123456789012345.0L, "123456789012345"},
        WrittenCase{1234567890123456.0L, "1.23456789012346E15"}, WrittenCase{1e15L, "1E15"},
        WrittenCase{999999999999999.9L, "1E15"}, WrittenCase{9999999999999.99L, "9999999999999.99"},
        WrittenCase{99999999999999.99L, "100000000000000"}, WrittenCase{0.0001L, "0.0001"},
        WrittenCase{0.00009L, "9E-5"}, WrittenCase{0.000099999999999999999L, "0.0001"},
        WrittenCase{-1.5e-7L, "-1.5E-7"}, WrittenCase{1e100L, "1E100"},
        WrittenCase{1.5e-300L, "1.5E-300"}, WrittenCase{-1234.5678L, "-1234.5678"},
        WrittenCase{0.00012345L, "0.00012345"}, WrittenCase{5e-5L, "5E-5"},
        WrittenCase{1e4000L, "1E4000"},
        WrittenCase{std::numeric_limits<Extended>::max(), "1.18973149535723E4932"},
        WrittenCase{std::numeric_limits<Extended>::min(), "3.36210314311209E-4932"},
        WrittenCase{-999999999999999.0L, "-999999999999999"},
        WrittenCase{1e14L + 1, "100000000000001"}, WrittenCase{-7.0L, "-7"},
        WrittenCase{kInfinity, "INF"}, WrittenCase{-kInfinity, "-INF"},
        WrittenCase{std::numeric_limits<Extended>::quiet_NaN(), "NAN"},
        WrittenCase{-std::numeric_limits<Extended>::quiet_NaN(), "NAN"}));

TEST(RealToText, RoundsByTheSixteenthDigitOfEighteen) {
    // 0.1234567890123454999 has the 18-digit form 123456789012345500: the 16th digit, 5,
    // rounds up although the exact value lies below the halfway point.
    EXPECT_EQ(RealToText(0.1234567890123454999L), "0.123456789012346");
    EXPECT_EQ(RealToText(0.1234567890123449L), "0.123456789012345");
    EXPECT_EQ(RealToText(9.999999999999995L), "10");
    EXPECT_EQ(RealToText(-99999.99999999999L), "-100000");
}

TEST(RealToText, NeverLongerThanTwentyThreeCharacters) {
    Extended value = -1.2345678901234567e-4000L;
    for (int i = 0; i < 2000; ++i, value *= -1.0001e3L) {
        if (std::isinf(value)) {
            break;
        }
        EXPECT_LE(RealToText(value).size(), 23u) << RealToText(value);
    }
}

struct ReadCase {
    const char* text;
    Extended value;
};

class TextToRealTest : public testing::TestWithParam<ReadCase> {};

TEST_P(TextToRealTest, ReadsEveryDigit) {
    const Extended value = TextToReal(GetParam().text);
    EXPECT_EQ(value, GetParam().value) << GetParam().text;
    EXPECT_EQ(std::signbit(value), std::signbit(GetParam().value)) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, TextToRealTest,
    testing::Values(ReadCase{"", 0.0L}, ReadCase{"+", 0.0L}, ReadCase{"-", -0.0L},
                    ReadCase{".", 0.0L}, ReadCase{"3.14", 3.14L}, ReadCase{"-0.5", -0.5L},
                    ReadCase{"+7", 7.0L}, ReadCase{"12a3", 123.0L}, ReadCase{"1,5", 15.0L},
                    ReadCase{"1.5x3", 1.5L}, ReadCase{"1e5", 15.0L}, ReadCase{"0.5", 0.5L},
                    ReadCase{".5", 0.5L}, ReadCase{"5.", 5.0L},
                    ReadCase{"1234567890", 1234567890.0L}, ReadCase{"0.1234567891", 0.1234567891L},
                    ReadCase{"1234567890.5", 1234567890.5L},
                    ReadCase{"-1111111111", -1111111111.0L}, ReadCase{"0.1", 0.1L},
                    ReadCase{"1-2", 12.0L}, ReadCase{"a-5", 5.0L},
                    ReadCase{"123456789012345678901234567890", 123456789012345678901234567890.0L},
                    ReadCase{"0.000000000000000000000000000001", 1e-30L},
                    // Halfway between two neighbours of 2^64: ties go to the even one.
                    ReadCase{"18446744073709551617", 18446744073709551616.0L},
                    ReadCase{"18446744073709551619", 18446744073709551620.0L}));

TEST(TextToReal, TooLargeANumberOverflows) {
    const std::string digits(5000, '9');
    EXPECT_TRUE(std::isinf(TextToReal(digits)));
    EXPECT_EQ(TextToReal("0." + std::string(5000, '0') + "1"), 0.0L);
}

struct IntCase {
    const char* text;
    int32_t value;
};

class TextToIntTest : public testing::TestWithParam<IntCase> {};

TEST_P(TextToIntTest, ReadsTheFirstNineCharacters) {
    EXPECT_EQ(TextToInt(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Integers, TextToIntTest,
                         testing::Values(IntCase{"12", 12}, IntCase{"-7", -7}, IntCase{"2.5", 25},
                                         IntCase{"+3", 3}, IntCase{"a-5", 5}, IntCase{"--5", -5},
                                         IntCase{"1234567890", 123456789},
                                         IntCase{"-123456789", -12345678}, IntCase{"", 0},
                                         IntCase{"99", 99}, IntCase{"-", 0}));

TEST(Extended, HasA64BitSignificand) {
    volatile Extended one = 1;
    volatile Extended tiny = std::ldexp(Extended{1}, -63);
    EXPECT_NE(one + tiny, one);
    EXPECT_EQ(std::numeric_limits<Extended>::digits, 64);
}

}  // namespace
