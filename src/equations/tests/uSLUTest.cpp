#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "CheckCases.h"
#include "Parallel.h"
#include "SystemText.h"
#include "uSLU.h"

namespace {

const std::string kFreeTerm = "Свободный член без должен записываться справа от знака \"=\"";
const std::string kBadName = "Ошибка в написании уравнения";

// The characters of the whole text first (the х of "х=1" is Cyrillic), then the lines in order,
// an LF alone joining its neighbours; in a line the "=" signs, each term of the left side in
// order, then the right side.
TEST(CheckSystem, NamesTheFirstFault) {
    ExpectChecks(
        CheckSystem,
        {Rejected("2,5x=1", kInvalid + ","), Rejected("х=1", kInvalid + "х"),
         Rejected("x\r\n2x+y=1;", kInvalid + ";"), Rejected("x=1\r\n", "Нету знака \"=\""),
         Rejected("x=1\ny=2", "Более одного знака \"=\""),
         Rejected("=", "Нету выражения после знака \"=\""), Rejected("=5", kFreeTerm),
         Rejected("2x+3=5", kFreeTerm), Rejected("+-x=1", kFreeTerm), Rejected("x+-y=1", kSign),
         Rejected("x+=1", kBadName), Rejected("2x + 3y = 5", kBadName),
         Rejected("1.2.3x+-y=1", kPoint), Rejected("x+y+2=1\r\nx=", kFreeTerm),
         Rejected("2x+3=a", kFreeTerm), Rejected("x=--1", kSign)});
    // A long text's lines are checked on all threads: the first faulty line still names the fault.
    std::string longText = "x+y=1";
    for (int line = 1; line < 2000; ++line) {
        longText += line == 1500 ? "\r\nx+=1" : line == 1900 ? "\r\n=5" : "\r\nx+y=1";
    }
    ExpectChecks(CheckSystem, {Rejected(longText, kBadName)});
}

// The exact methods' check takes typed fractions where numbers stand; Cramer's refuses the "/".
TEST(CheckExactSystem, TakesTypedFractions) {
    ExpectChecks(
        CheckExactSystem,
        {Accepted("1/2x+1/3y=1\r\nx-y=5/6"), Accepted("-4/6x=+3/7"), Rejected("x/2=1", kBadName),
         Rejected("1/0x=1", "Знаменатель дроби равен нулю"), Rejected("x=1/", "Ошибка: \"/\"")});
    ExpectChecks(CheckSystem, {Rejected("1/2x=1", kInvalid + "/")});
}

// Names in the order they first appear, case counting; a name counts whole, and a name's terms
// in a line add up.
TEST(ReadSystemTerms, ReadsNamesCoefficientsAndFreeTermsOfAnAcceptedText) {
    const std::tuple<const char*, ArrayOfString, TwoDimDynA, ArrayOfExtended> cases[] = {
        {"-x+0.5y=+2.5\r\n+x=-1", {"x", "y"}, {{-1, 0.5}, {1, 0}}, {2.5, -1}},
        {"y+x=1\r\nX=3", {"y", "x", "X"}, {{1, 1, 0}, {0, 0, 1}}, {1, 3}},
        {"2x1+3x+x2y=7", {"x1", "x", "x2y"}, {{2, 3, 1}}, {7}},
        {"y+0.5x-y+2.25x+y=1", {"y", "x"}, {{1, 2.75}}, {1}},
        {"1234567890.5x=1111111111", {"x"}, {{1234567890.5L}}, {1111111111}},
    };
    for (const auto& [text, names, coefficients, freeTerms] : cases) {
        ExpectChecks(CheckSystem, {Accepted(text)});
        const SystemTerms system = ReadSystemTerms(text);
        EXPECT_EQ(std::make_tuple(system.names, CoefficientMatrix(system), FreeTermValues(system)),
                  std::tie(names, coefficients, freeTerms))
            << text;
    }
    // A long text's lines are split on all threads, its names still in order of appearance.
    std::string longText = "x0-x1=1";
    for (int line = 1; line < 2000; ++line) {
        longText += "\r\nx" + std::to_string(line) + "-x" + std::to_string(line + 1) + "=1";
    }
    const SystemTerms system = ReadSystemTerms(longText);
    ASSERT_EQ(system.names.size(), 2001U);
    for (size_t row = 0; row < 2000; ++row) {
        EXPECT_EQ(system.names[row], "x" + std::to_string(row));
        EXPECT_EQ(system.termsOfLine[row],
                  (std::vector<std::pair<size_t, std::string>>{{row, "1"}, {row + 1, "-1"}}));
    }
}

const std::string kInconsistent = "Не имеет решения";
const std::string kNotUnique = "Система не имеет единственного решения";

void ExpectSolved(const std::string& text, const std::string& answer, bool isMessage) {
    bool reportedMessage = !isMessage;
    EXPECT_EQ(SolveByCramer(text, reportedMessage), answer) << text.substr(0, 80);
    EXPECT_EQ(reportedMessage, isMessage) << text.substr(0, 80);
}

// x1=1, ..., xn=n, one equation a line.
std::string DiagonalSystem(size_t n) {
    std::string text;
    for (size_t i = 1; i <= n; ++i) {
        text += (i > 1 ? "\r\nx" : "x") + std::to_string(i) + "=" + std::to_string(i);
    }
    return text;
}

// The columns as wide as their widest number, the first apart; a longer name indents further.
TEST(SolveByCramer, WritesTheReport) {
    ExpectSolved("2x1+3x=7\r\nx1-x=1",
                 "Методом Крамера:\r\n\r\nD = ( 2  3\r\n      1 -1 ) = -5\r\n\r\nx1 = ( 7  3\r\n"
                 "       1 -1 ) = -10\r\n\r\nx = ( 2 7\r\n      1 1 ) = -5\r\n\r\nОтвет:\r\n"
                 "x1 = 2\r\nx = 1\r\n",
                 false);
}

// The free terms raising the rank or not tell no solution from infinitely many, on the numbers
// as typed: a binary D of -6.8E-21 is a zero, free terms beyond 2^64 keep their last digits, a
// small number is no zero beside a large one in another equation, and a name's terms in a line
// add up. A regular system whose binary D is 0 has no quotient; a tiny D is solved.
TEST(SolveByCramer, AnswersInOneLineWhenThereIsNoSingleSolution) {
    using Answered = std::pair<std::string, std::string>;
    for (const auto& [text, message] :
         {Answered("x+y=1", kNotUnique),
          Answered("x=1\r\nx=2", "Дано лишнее уравнение. Уберите одно из равенств"),
          Answered(DiagonalSystem(101), "Слишком много неизвестных: не более 100"),
          Answered("x+y-x=1\r\ny=2", kInconsistent),
          Answered("0.1x+0.3y=1\r\n0.3x+0.9y=3", kNotUnique),
          Answered("0v=0.00003\r\nw=6691676796692", kInconsistent),
          Answered("18y+15t=93487660455622602177\r\n5t+6y=31162553485207534059", kNotUnique),
          Answered("-7ab3-23v-73w-8u=0\r\n73w+8u+23v+7ab3=0.09\r\nv=22509098623484296\r\n"
                   "8ab3-6u=+58",
                   kInconsistent),
          Answered("x+y=1\r\nx+1.00000000000000000001y=2", "Определитель слишком близок к нулю")}) {
        ExpectSolved(text, message, true);
    }
    // D of about 1E-19, a D that one of the primes behind the verdict divides, 100 unknowns.
    for (const std::string& text : {std::string("0.1x+0.3y=1\r\n0.3x+0.900000000000000001y=3"),
                                    std::string("2305843009213693951x=1"), DiagonalSystem(100)}) {
        bool isMessage = true;
        SolveByCramer(text, isMessage);
        EXPECT_FALSE(isMessage) << text.substr(0, 80);
    }
}

// A number typed as its digits times a power of ten.
struct Number {
    bool negative;
    std::string digits;
    int exponent;
};

// The number's text in an equation scaled by 10^shift.
std::string DecimalText(const Number& x, int shift) {
    const int e = x.exponent + shift;
    const auto zeros = [](int count) { return std::string(static_cast<size_t>(count), '0'); };
    std::string text = zeros(std::max(0, 1 - e - static_cast<int>(x.digits.size()))) + x.digits +
                       zeros(std::max(0, e));
    if (e < 0) {
        text.insert(text.size() - static_cast<size_t>(-e), ".");
    }
    return (x.negative ? "-" : "+") + text;
}

// Systems singular by construction, in x0..x(n-1): k random equations, their coefficients of 1
// to 24 digits spanning 1E-15 to 1E25, then equations each made of the terms of two of those,
// the second maybe negated, with the sum of their free terms, plus 1 in the last equation of
// every other system. The first k are independent: each one's coefficient of its own unknown is
// at least 1E24, its others of x0..x(k-1) below 1E22. Each equation scaled by its own power of ten
// keeps the verdict.
TEST(SolveByCramer, DecidesSingularSystemsOnTheTypedNumbers) {
    std::mt19937 random(9);
    const auto uniform = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    for (const auto& [n, k] :
         {std::pair(2, 1), std::pair(3, 2), std::pair(4, 2), std::pair(5, 4), std::pair(5, 2)}) {
        for (int sample = 0; sample < 16; ++sample) {
            std::vector<std::vector<Number>> rows;  // term j is of x(j % n)
            std::vector<int> freeTerms;
            for (int row = 0; row < n; ++row) {
                if (row < k) {
                    rows.emplace_back();
                    for (int column = 0; column < n; ++column) {
                        const int length = uniform(1, 24);
                        const int top = (column < k && column != row ? 22 : 25) - length;
                        Number& x = rows.back().emplace_back(
                            uniform(0, 1) == 1, "",
                            column == row ? top : uniform(-14 - length, top));
                        for (int digit = 0; digit < length; ++digit) {
                            x.digits += static_cast<char>('0' + uniform(digit == 0, 9));
                        }
                    }
                    freeTerms.push_back(uniform(-999, 999));
                    continue;
                }
                const auto first = static_cast<size_t>(uniform(0, k - 1));
                const auto second = static_cast<size_t>(uniform(0, k - 1));
                const int sign = uniform(0, 1) * 2 - 1;
                rows.push_back(rows[first]);
                for (Number x : rows[second]) {
                    x.negative ^= sign < 0;
                    rows.back().push_back(x);
                }
                const bool contradicts = sample % 2 == 1 && row == n - 1;
                freeTerms.push_back(freeTerms[first] + sign * freeTerms[second] + contradicts);
            }
            for (const int largestShift : {0, 6}) {
                std::string text;
                for (size_t row = 0; row < rows.size(); ++row) {
                    const int shift = uniform(-largestShift, largestShift);
                    text += row == 0 ? "" : "\r\n";
                    for (size_t j = 0; j < rows[row].size(); ++j) {
                        text += DecimalText(rows[row][j], shift) + "x" + std::to_string(j % n);
                    }
                    const int f = freeTerms[row];
                    text += "=" + DecimalText({f < 0, std::to_string(std::abs(f)), 0}, shift);
                }
                ExpectSolved(text, sample % 2 == 1 ? kInconsistent : kNotUnique, true);
            }
        }
    }
}

// The variables' determinants on several threads: the report of one thread, byte for byte.
TEST(SolveByCramer, WritesOnSeveralThreadsTheReportOfOne) {
    std::mt19937 random(22);
    for (const size_t n : {3, 15, 40}) {
        std::string text;
        for (size_t row = 0; row < n; ++row) {
            text += row == 0 ? "" : "\r\n";
            for (size_t column = 0; column < n; ++column) {
                const int coefficient = std::uniform_int_distribution<int>(-999, 999)(random);
                text += coefficient < 0 ? "-" : column > 0 ? "+" : "";
                text += std::to_string(std::abs(coefficient) / 10) + "." +
                        std::to_string(std::abs(coefficient) % 10) + "x" + std::to_string(column);
            }
            text += "=1";
        }
        std::string message;
        ASSERT_TRUE(CheckSystem(text, message)) << message;
        bool isMessage = true;
        SetCalculationThreads(1);
        const std::string expected = SolveByCramer(text, isMessage);
        ASSERT_FALSE(isMessage) << "n = " << n;
        for (const size_t threads : {2, 7}) {
            SetCalculationThreads(threads);
            EXPECT_EQ(SolveByCramer(text, isMessage), expected) << "n = " << n << ", " << threads;
        }
    }
    SetCalculationThreads(0);
}

}  // namespace
