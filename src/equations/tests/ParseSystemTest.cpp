#include <gtest/gtest.h>

#include "SystemText.h"
#include "uSLU.h"

namespace {

struct ParseCase {
    const char* text;
    ArrayOfString names;
    TwoDimDynA coefficients;
    ArrayOfExtended freeTerms;
};

TEST(ParseSystemTest, ReadsNamesCoefficientsAndFreeTerms) {
    const ParseCase cases[] = {
        {"2x+y=5\r\nx-y=1", {"x", "y"}, {{2, 1}, {1, -1}}, {5, 1}},
        {"-x+2y=0", {"x", "y"}, {{-1, 2}}, {0}},
        {"+x=1", {"x"}, {{1}}, {1}},
        {"0.5x=1", {"x"}, {{0.5}}, {1}},
        {"-0.5x=-2.5", {"x"}, {{-0.5}}, {-2.5}},
        {"x=+5", {"x"}, {{1}}, {5}},
        {"y+x=1\r\nx-y=3", {"y", "x"}, {{1, 1}, {-1, 1}}, {1, 3}},
        {"X+x=1", {"X", "x"}, {{1, 1}}, {1}},
        {"2x1+3x2=5", {"x1", "x2"}, {{2, 3}}, {5}},
        {"x=1\r\ny=2", {"x", "y"}, {{1, 0}, {0, 1}}, {1, 2}},
        {"x+y=1\r\nz=2", {"x", "y", "z"}, {{1, 1, 0}, {0, 0, 1}}, {1, 2}},
        {"x=1\n", {"x"}, {{1}}, {1}},
        {"x\ny=1", {"xy"}, {{1}}, {1}},  // a lone LF joins the line
        {"x=1111111111", {"x"}, {{1}}, {1111111111}},
        {"1234567890.5x=0.1234567891", {"x"}, {{1234567890.5L}}, {0.1234567891L}},
        // Whole names only.
        {"2x1+3x=7", {"x1", "x"}, {{2, 3}}, {7}},
        {"ax+x=2", {"ax", "x"}, {{1, 1}}, {2}},
        {"x2y+y=1", {"x2y", "y"}, {{1, 1}}, {1}},
        {"-xx-2x=1", {"xx", "x"}, {{-1, -2}}, {1}},
        // Every term of a variable counts.
        {"x+x=2", {"x"}, {{2}}, {2}},
        {"2x-x+y=3", {"x", "y"}, {{1, 1}}, {3}},
        {"x-x=0", {"x"}, {{0}}, {0}},
        {"y+0.5x-y+2.25x+y=1", {"y", "x"}, {{1, 2.75}}, {1}},
    };
    for (const ParseCase& testCase : cases) {
        SCOPED_TRACE(testCase.text);
        TwoDimDynA coefficients;
        ArrayOfExtended freeTerms;
        ArrayOfString names;
        ParseSystem(testCase.text, coefficients, freeTerms, names);
        EXPECT_EQ(names, testCase.names);
        EXPECT_EQ(coefficients, testCase.coefficients);
        EXPECT_EQ(freeTerms, testCase.freeTerms);
    }
}

TEST(CoefficientTextTest, WritesTheCoefficientOfOneTerm) {
    const std::pair<const char*, const char*> cases[] = {
        {"x", "1"},    {"+x", "+1"},   {"-x", "-1"},          {"2.5x", "2.5"}, {"-2.5x", "-2.5"},
        {"+3y", "+3"}, {"12x1", "12"}, {"-0.75ab3", "-0.75"}, {"x2y", "1"},    {"+007z", "+007"},
    };
    for (const auto& [term, coefficient] : cases) {
        SCOPED_TRACE(term);
        EXPECT_EQ(CoefficientText(term), coefficient);
    }
}

}  // namespace
