#include <gtest/gtest.h>

#include "SystemText.h"
#include "uSLU.h"

namespace {

const char* const kNoEquals = "Нету знака \"=\"";
const char* const kSeveralEquals = "Более одного знака \"=\"";
const char* const kNothingAfterEquals = "Нету выражения после знака \"=\"";
const char* const kFreeTermOnLeft = "Свободный член без должен записываться справа от знака \"=\"";
const char* const kPoint = "Ошибка: \".\"";
const char* const kSign = "Ошибка: \"+,-\"";
const char* const kMiswritten = "Ошибка в написании уравнения";

struct CheckCase {
    const char* text;
    const char* message;  // nullptr: accepted
};

void ExpectCheck(bool accepted, const std::string& message, const CheckCase& expected) {
    if (expected.message == nullptr) {
        EXPECT_TRUE(accepted);
        EXPECT_EQ(message, "untouched");
    } else {
        EXPECT_FALSE(accepted);
        EXPECT_EQ(message, expected.message);
    }
}

TEST(CheckSystemTest, AcceptsWellFormedSystems) {
    const CheckCase cases[] = {
        {"2x+y=5\r\nx-y=1", nullptr},
        {"-x+2y=0", nullptr},
        {"+x=1", nullptr},
        {"0.5x-12.75y=-3", nullptr},
        {"x=+5", nullptr},
        {"X+x=1", nullptr},
        {"2x1+3x2=5", nullptr},
        {"ab3+x2y=1", nullptr},
        {"x+x=2", nullptr},
        {"x=1\n", nullptr},  // a lone LF is dropped
        {"x=0001", nullptr},
        {"x=1111111111.1111111111", nullptr},
    };
    for (const CheckCase& testCase : cases) {
        SCOPED_TRACE(testCase.text);
        std::string message = "untouched";
        ExpectCheck(CheckSystem(testCase.text, message), message, testCase);
    }
}

TEST(CheckSystemTest, NamesTheFirstFault) {
    const CheckCase cases[] = {
        // Characters, over the whole text before any line.
        {"2,5x=1", "Недопустимый символ: ,"},
        {"2x+3y=a", "Недопустимый символ: a"},
        {"2x+3y=5 ", "Недопустимый символ:  "},
        {"x=1\t", "Недопустимый символ: \t"},
        {"2*x=1", "Недопустимый символ: *"},
        {"х=1", "Недопустимый символ: х"},  // Cyrillic
        {"x\r\n2x+y=1;", "Недопустимый символ: ;"},
        {"x==1\r\ny=(1)", "Недопустимый символ: ("},
        {"x=1\x7f", "Недопустимый символ: \x7f"},
        {"x=1\x01", "Недопустимый символ: \x01"},
        // The equals sign.
        {"", kNoEquals},
        {"x=1\r\n", kNoEquals},
        {"x=1\r\n\r\ny=2", kNoEquals},
        {"\r\nx=1", kNoEquals},
        {"x=1\ny=2", kSeveralEquals},  // one line x=1y=2
        {"x=1=2", kSeveralEquals},
        {"x==1", kSeveralEquals},
        {"x=", kNothingAfterEquals},
        {"=", kNothingAfterEquals},
        {"x=1\r\ny=", kNothingAfterEquals},
        {"=5", kFreeTermOnLeft},
        // The terms of the left side, in order.
        {"2x+3=5", kFreeTermOnLeft},
        {"5=x", kFreeTermOnLeft},
        {"3=1", kFreeTermOnLeft},
        {"-=1", kFreeTermOnLeft},
        {"+-x=1", kFreeTermOnLeft},
        {"x+-y=1", kSign},
        {"x--y=1", kSign},
        {"x+=1", kMiswritten},
        {"x-=1", kMiswritten},
        {"2x + 3y = 5", kMiswritten},
        {"x.y=1", kMiswritten},
        {"2x3.5=1", kMiswritten},
        {".5x=1", kPoint},
        {"5.x=1", kPoint},
        {"1.2.3x=1", kPoint},
        {"-1..2x=1", kPoint},
        {"1.2.3x+-y=1", kPoint},
        {"x+-y+.5z=1", kSign},
        {"x+y+2=1\r\nx=", kFreeTermOnLeft},
        // The right side, after every term.
        {"2x+3=a", kFreeTermOnLeft},
        {"x+-y=.5", kSign},
        {"x=.5", kPoint},
        {"x=5.", kPoint},
        {"x=1.5.2", kPoint},
        {"x=-.5", kSign},
        {"x=--1", kSign},
        {"x=5-", kSign},
        {"x=+", kSign},
        {"x=1-2", kSign},
        {"x=1\r\ny=1.-2", kPoint},
    };
    for (const CheckCase& testCase : cases) {
        SCOPED_TRACE(testCase.text);
        std::string message = "untouched";
        ExpectCheck(CheckSystem(testCase.text, message), message, testCase);
    }
}

TEST(CheckEquationTest, TestsItsOwnCharactersFirst) {
    const CheckCase cases[] = {
        {"x=1,", "Недопустимый символ: ,"},
        {"x==1;", "Недопустимый символ: ;"},
        {"2x+y=5", nullptr},
    };
    for (const CheckCase& testCase : cases) {
        SCOPED_TRACE(testCase.text);
        std::string message = "untouched";
        ExpectCheck(CheckEquation(testCase.text, message), message, testCase);
    }
}

TEST(SplitTermsTest, ASignTakesTheNextCharacterUnseen) {
    struct SplitCase {
        const char* line;
        std::vector<std::string_view> terms;
    };
    const SplitCase cases[] = {
        {"2x+y-3.5z=1", {"2x", "+y", "-3.5z"}},
        {"-x=1", {"-x"}},
        {"x+-y=1", {"x", "+-y"}},
        {"x+=1", {"x", "+="}},
        {"+-x=1", {"+", "-x"}},
    };
    for (const SplitCase& testCase : cases) {
        SCOPED_TRACE(testCase.line);
        const std::string_view line = testCase.line;
        EXPECT_EQ(SplitTerms(line, line.rfind('=')), testCase.terms);
    }
}

}  // namespace
