#include <gtest/gtest.h>

#include <tuple>

#include "CheckCases.h"
#include "uSLU.h"

namespace {

const std::string kNoEqualsSign = "Нету знака \"=\"";
const std::string kFreeTerm = "Свободный член без должен записываться справа от знака \"=\"";
const std::string kBadName = "Ошибка в написании уравнения";

// The characters of the whole text first (the х of "х=1" is Cyrillic), then the lines in order;
// in a line the "=" signs, each term of the left side in order, then the right side.
TEST(CheckSystem, NamesTheFirstFault) {
    ExpectChecks(
        CheckSystem,
        {Rejected("2,5x=1", kInvalid + ","), Rejected("х=1", kInvalid + "х"),
         Rejected("x\r\n2x+y=1;", kInvalid + ";"), Rejected("", kNoEqualsSign),
         Rejected("x=1\r\n", kNoEqualsSign), Rejected("x=1\ny=2", "Более одного знака \"=\""),
         Rejected("=", "Нету выражения после знака \"=\""), Rejected("=5", kFreeTerm),
         Rejected("2x+3=5", kFreeTerm), Rejected("+-x=1", kFreeTerm), Rejected("x+-y=1", kSign),
         Rejected("x+=1", kBadName), Rejected("2x + 3y = 5", kBadName),
         Rejected("1.2.3x+-y=1", kPoint), Rejected("x+y+2=1\r\nx=", kFreeTerm),
         Rejected("2x+3=a", kFreeTerm), Rejected("x=--1", kSign)});
}

// Names in the order they first appear, case counting; a name counts whole, a line break alone
// joins its neighbours, and a name's terms in a line add up.
TEST(ParseSystem, ReadsNamesCoefficientsAndFreeTermsOfAnAcceptedText) {
    const std::tuple<const char*, ArrayOfString, TwoDimDynA, ArrayOfExtended> cases[] = {
        {"2x+y=5\r\nx-y=1", {"x", "y"}, {{2, 1}, {1, -1}}, {5, 1}},
        {"-x+0.5y=+2.5\r\n+x=-1", {"x", "y"}, {{-1, 0.5}, {1, 0}}, {2.5, -1}},
        {"y+x=1\r\nX=3", {"y", "x", "X"}, {{1, 1, 0}, {0, 0, 1}}, {1, 3}},
        {"2x1+3x+x2y=7", {"x1", "x", "x2y"}, {{2, 3, 1}}, {7}},
        {"x\ny=1", {"xy"}, {{1}}, {1}},
        {"y+0.5x-y+2.25x+y=1", {"y", "x"}, {{1, 2.75}}, {1}},
        {"1234567890.5x=1111111111", {"x"}, {{1234567890.5L}}, {1111111111}},
    };
    for (const auto& [text, names, coefficients, freeTerms] : cases) {
        ExpectChecks(CheckSystem, {Accepted(text)});
        TwoDimDynA readCoefficients;
        ArrayOfExtended readFreeTerms;
        ArrayOfString readNames;
        ParseSystem(text, readCoefficients, readFreeTerms, readNames);
        EXPECT_EQ(readNames, names) << text;
        EXPECT_EQ(readCoefficients, coefficients) << text;
        EXPECT_EQ(readFreeTerms, freeTerms) << text;
    }
}

}  // namespace
