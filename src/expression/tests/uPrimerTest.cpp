#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "ArithmeticFaults.h"
#include "CheckCases.h"
#include "uPrimer.h"

namespace {

const std::string kOperator = "Ошибка \"+,-,/,*\"";
const std::string kLeadingProduct = "Ошибка \"*,/\"";
const std::string kClose = "Ошибка \")\"";
const std::string kUnclosed = "Ошибка \"()\"";
const std::string kOpen = "Ошибка \"(\"";

std::string Nested(const std::string& opening, const std::string& inside, size_t depth) {
    std::string text;
    for (size_t i = 0; i < depth; ++i) {
        text += opening;
    }
    return text + inside + std::string(depth, ')');
}

constexpr size_t kDepth = 10000;

// The characters and the parentheses' balance first, then each group in the order of its ")",
// then the rest, each read as a flat text from left to right.
TEST(CheckExpression, NamesTheFirstFault) {
    ExpectChecks(
        CheckExpression,
        {Rejected(")1(", kClose), Rejected("(1+x)*(2", kInvalid + "x"), Rejected("((1)", kUnclosed),
         Rejected("(1.)*(2", kUnclosed), Rejected("1 + 2", kInvalid + " "),
         Rejected("(1)2", kClose), Rejected("(1+)2", kClose), Rejected("2(1)", kOpen),
         Rejected("(1)(2)", kOpen), Rejected("2(1+)", kOperator), Rejected("*5", kLeadingProduct),
         Rejected("(*5)", kLeadingProduct), Rejected("*+5", kOperator), Rejected("5+", kOperator),
         Rejected("2*-3", kOperator), Rejected("1..2+*3", kPoint),
         Rejected(Nested("(", "1+", kDepth), kOperator),
         Rejected(Nested("(", "1", kDepth) + "(", kUnclosed),
         Rejected(Nested("(", "1", kDepth) + "(1)", kOpen)});
}

// Each text is accepted and has the value; ten thousand nested groups too.
TEST(EvaluateExpression, GivesTheValueOfAnAcceptedText) {
    using Valued = std::pair<std::string, const char*>;
    for (const auto& [text, value] :
         {Valued("", "0"), Valued("(())", "0"), Valued("2+3*4-5/5", "13"), Valued("8/2/2", "2"),
          Valued("1-0.00001*3", "0.99997"),
          // A negative group's minus goes to the operator before it or to its product term.
          Valued("-(1-3)", "2"), Valued("1-(0-2)", "3"), Valued("2/(-4)*3", "-1.5"),
          Valued("1-2*(0-3)*(0-1)", "-5"), Valued("1/(0-2)/(0-2)", "0.25"),
          Valued("(-(0-2)*(0-3))", "-6"), Valued(Nested("(", "1", kDepth), "1"),
          Valued(Nested("-(", "1", kDepth), "1"), Valued(Nested("-(", "1", kDepth + 1), "-1"),
          Valued(Nested("(2*", "1", kDepth), "1.99506311688076E3010")}) {
        ExpectChecks(CheckExpression, {Accepted(text)});
        EXPECT_EQ(RealToText(EvaluateExpression(text)), value) << text.substr(0, 20);
    }
}

// A division by zero is noted, also where the quotient is NaN; 0/1 and an overflow are not.
TEST(EvaluateExpression, NotesDivisionByZeroAndLeavesOverflowFlagged) {
    const std::string huge(4000, '9');
    using Faulted = std::pair<std::string, const char*>;
    for (const auto& [text, message] :
         {Faulted("0/0", "Деление на ноль"), Faulted("1/(0*(0-1))", "Деление на ноль"),
          Faulted(huge + "*" + huge, "Переполнение"), Faulted("0/1", "")}) {
        ClearArithmeticFaults();
        EvaluateExpression(text);
        EXPECT_EQ(ArithmeticFaultMessage(), message) << text.substr(0, 20);
    }
}

}  // namespace
