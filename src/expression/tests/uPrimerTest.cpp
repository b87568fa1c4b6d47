#include <gtest/gtest.h>

#include <string>

#include "ArithmeticFaults.h"
#include "uPrimer.h"

namespace {

const std::string kInvalid = "Недопустимый символ: ";
const std::string kPoint = "Ошибка: \".\"";
const std::string kSign = "Ошибка: \"+,-\"";
const std::string kOperator = "Ошибка \"+,-,/,*\"";
const std::string kLeadingProduct = "Ошибка \"*,/\"";
const std::string kClose = "Ошибка \")\"";
const std::string kUnclosed = "Ошибка \"()\"";
const std::string kOpen = "Ошибка \"(\"";

struct CheckCase {
    std::string text;
    std::string message;  // empty when the text is accepted
};

void ExpectCheck(bool (*check)(std::string_view, std::string&), const CheckCase& c) {
    std::string message;
    const bool accepted = check(c.text, message);
    EXPECT_EQ(accepted, c.message.empty()) << c.text;
    EXPECT_EQ(message, c.message) << c.text;
}

TEST(CheckExpression, AcceptsOrNamesTheFirstFault) {
    const CheckCase cases[] = {
        {"", ""},
        {"()", ""},
        {"(())", ""},
        {"((1+2)*3)", ""},
        {"2*(-3)", ""},
        {"-(2)", ""},
        {"(-5)", ""},
        {"-5+3", ""},
        {"2*(3-1.5)/4", ""},
        {"-(-(-(1)))", ""},
        {"1 + 2", kInvalid + " "},
        {"(1) ", kInvalid + " "},
        {"1 + x", kInvalid + "x"},
        {"2,5", kInvalid + ","},
        {"(1+x)*(2", kInvalid + "x"},
        {"2+ж", kInvalid + "ж"},
        {")1(", kClose},
        {")(", kClose},
        {"(1))(", kClose},
        {"((1)", kUnclosed},
        {"(", kUnclosed},
        {"(1)2", kClose},
        {"(1).5", kClose},
        {"(1+)2", kClose},
        {"2(1)", kOpen},
        {"(1)(2)", kOpen},
        {".(1)", kOpen},
        {"2(1+)", kOperator},
        {"*5", kLeadingProduct},
        {"/5", kLeadingProduct},
        {"(*5)", kLeadingProduct},
        {"2*(/5)", kLeadingProduct},
        {"*+5", kOperator},
        {"5+", kOperator},
        {"5*", kOperator},
        {"(5-)", kOperator},
        {"5+*3", kOperator},
        {"2*-3", kOperator},
        {"1--2", kOperator},
        {"(1)*", kOperator},
        {"+", kSign},
        {"-", kSign},
        {"(-)", kSign},
        {"-.5", kSign},
        {"5..3", kPoint},
        {".5", kPoint},
        {"5.", kPoint},
        {"1.2.3", kPoint},
        {"-.", kPoint},
        {"1..2+*3", kPoint},
        {"(1.)*(2", kUnclosed},
        {"(1.)*2", kPoint},
    };
    for (const CheckCase& c : cases) {
        ExpectCheck(CheckExpression, c);
    }
}

TEST(CheckFlatExpression, TestsATextWithoutParentheses) {
    const CheckCase cases[] = {
        {"", ""},
        {"1.5*2-3/4", ""},
        {"-0+0", ""},
        {"(1)", kInvalid + "("},
        {"1 2", kInvalid + " "},
        {"1+2+", kOperator},
        {"1+2*/3", kOperator},
        {"/2", kLeadingProduct},
        {"1.2.3*", kPoint},
    };
    for (const CheckCase& c : cases) {
        ExpectCheck(CheckFlatExpression, c);
    }
}

struct ValueCase {
    std::string text;
    std::string value;
};

TEST(EvaluateExpression, GivesTheValueOfAnAcceptedText) {
    const ValueCase cases[] = {
        {"", "0"},
        {"()", "0"},
        {"(())", "0"},
        {"2*(3-1.5)/4", "0.75"},
        {"2+3*4-5/5", "13"},
        {"8/2/2", "2"},
        {"1/3", "0.333333333333333"},
        {"2/3", "0.666666666666667"},
        {"1/3*3", "1"},
        {"100000*100000", "10000000000"},
        {"1234567890", "1234567890"},
        {"1234567890.125", "1234567890.125"},
        {"0.1234567891", "0.1234567891"},
        {"999999999*999999999", "9.99999998E17"},
        {"999999999+999999999", "1999999998"},
        {"0.00001*3", "3E-5"},
        {"100000*100000*100000*100000", "1E20"},
        {"100000*100000*100000/100000/100000", "100000"},
        {"0.0001*0.0001*10000*10000", "1"},
        {"1-0.00001*3", "0.99997"},
        {"0.1", "0.1"},
        {"-5+3", "-2"},
        {"-0", "0"},
        {"2*(-3)", "-6"},
        {"(-5)", "-5"},
        {"-(1-3)", "2"},
        {"-(2)", "-2"},
        {"1+3*(-2)", "-5"},
        {"2/(-4)*3", "-1.5"},
        {"1-2*(0-3)*(0-1)", "-5"},
        {"1-(0-2)", "3"},
        {"3*(0-2)", "-6"},
        {"1+3*(0-2)", "-5"},
        {"2*(0-3)*(0-1)", "6"},
        {"1/(0-2)/(0-2)", "0.25"},
        {"-(0-1)*(0-1)", "-1"},
        {"-(0-2)*(0-3)/(0-4)", "1.5"},
        {"((0-2)*(0-3))", "6"},
        {"(-(0-2)*(0-3))", "-6"},
        {"2-(0-1)-(0-1)", "4"},
        {"5-2*3*(0-1)+1", "12"},
        {"-(-(-(1)))", "-1"},
        {"(1+2)*(3+4)/(5-12)", "-3"},
        {"((1+2)*3)", "9"},
    };
    for (const ValueCase& c : cases) {
        EXPECT_EQ(RealToText(EvaluateExpression(c.text)), c.value) << c.text;
    }
}

std::string Nested(const std::string& opening, const std::string& inside, size_t depth) {
    std::string text;
    for (size_t i = 0; i < depth; ++i) {
        text += opening;
    }
    return text + inside + std::string(depth, ')');
}

TEST(Expression, TenThousandNestedGroups) {
    const size_t depth = 10000;
    const ValueCase accepted[] = {
        {Nested("(", "1", depth), "1"},
        {Nested("-(", "1", depth), "1"},
        {Nested("-(", "1", depth - 1), "-1"},
        {Nested("(2*", "1", depth), "1.99506311688076E3010"},
    };
    for (const ValueCase& c : accepted) {
        std::string message;
        EXPECT_TRUE(CheckExpression(c.text, message)) << message;
        EXPECT_EQ(RealToText(EvaluateExpression(c.text)), c.value);
    }
    const CheckCase rejected[] = {
        {Nested("(", "1+x", depth), kInvalid + "x"},
        {Nested("(", "1+", depth), kOperator},
        {Nested("(", "1", depth).substr(1), kClose},
        {Nested("(", "1", depth).substr(0, 2 * depth), kUnclosed},
        {Nested("(", "1", depth) + "(1)", kOpen},
    };
    for (const CheckCase& c : rejected) {
        ExpectCheck(CheckExpression, c);
    }
}

TEST(EvaluateExpression, NotesDivisionByZeroAndLeavesOverflowFlagged) {
    const std::string huge(4000, '9');
    const CheckCase cases[] = {
        {"1/0", "Деление на ноль"},
        {"0/0", "Деление на ноль"},
        {"1/(2-2)", "Деление на ноль"},
        {"1/(0*(0-1))", "Деление на ноль"},
        {"2/0.0*0", "Деление на ноль"},
        {huge + "*" + huge, "Переполнение"},
        {"0-" + huge + "*" + huge, "Переполнение"},
        {"1/2", ""},
        {"0/1", ""},
    };
    for (const CheckCase& c : cases) {
        ClearArithmeticFaults();
        EvaluateExpression(c.text);
        EXPECT_EQ(ArithmeticFaultMessage(), c.message) << c.text.substr(0, 20);
    }
}

}  // namespace
