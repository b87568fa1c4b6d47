#include <gtest/gtest.h>

#include "NumberCheck.h"

namespace {

const char* const kPoint = "Ошибка: \".\"";
const char* const kSign = "Ошибка: \"+,-\"";

struct TokenCase {
    const char* token;
    const char* message;  // nullptr: accepted
};

class CheckNumberTest : public testing::TestWithParam<TokenCase> {};

TEST_P(CheckNumberTest, NamesTheFirstFault) {
    std::string message = "untouched";
    const bool accepted = CheckNumber(GetParam().token, message);
    if (GetParam().message == nullptr) {
        EXPECT_TRUE(accepted);
        EXPECT_EQ(message, "untouched");
    } else {
        EXPECT_FALSE(accepted);
        EXPECT_EQ(message, GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tokens, CheckNumberTest,
    testing::Values(TokenCase{"5", nullptr}, TokenCase{"+5", nullptr}, TokenCase{"-5", nullptr},
                    TokenCase{"12.75", nullptr}, TokenCase{"-0.5", nullptr},
                    TokenCase{"1x", "Недопустимый символ: x"},
                    TokenCase{"1..x", "Недопустимый символ: x"},  // characters before points
                    TokenCase{".5", kPoint}, TokenCase{"5.", kPoint}, TokenCase{"1.2.3", kPoint},
                    TokenCase{"1..2", kPoint}, TokenCase{"-.", kPoint},  // points before signs
                    TokenCase{"--1", kSign}, TokenCase{"+-1.", kPoint}, TokenCase{"1-2", kSign},
                    TokenCase{"-", kSign}, TokenCase{"+", kSign}, TokenCase{"-.5", kSign},
                    TokenCase{"1.-5", kPoint}, TokenCase{"1-.5", kSign}, TokenCase{"1.5-", kSign}));

}  // namespace
