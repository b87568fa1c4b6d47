#include <gtest/gtest.h>

#include <tuple>

#include "CheckCases.h"
#include "uSLU.h"

namespace {

// Names in the order they first appear; a name counts whole, and its terms in a line add up.
TEST(ParseSystem, ReadsNamesCoefficientsAndFreeTermsOfAnAcceptedText) {
    const std::tuple<const char*, ArrayOfString, TwoDimDynA, ArrayOfExtended> cases[] = {
        {"2x+y=5\r\nx-y=1", {"x", "y"}, {{2, 1}, {1, -1}}, {5, 1}},
        {"-x+2y=0", {"x", "y"}, {{-1, 2}}, {0}},
        {"+x=1", {"x"}, {{1}}, {1}},
        {"0.5x-0.5y=-2.5", {"x", "y"}, {{0.5, -0.5}}, {-2.5}},
        {"x=+5", {"x"}, {{1}}, {5}},
        {"y+x=1\r\nx-y=3", {"y", "x"}, {{1, 1}, {-1, 1}}, {1, 3}},
        {"X+x=1", {"X", "x"}, {{1, 1}}, {1}},
        {"2x1+3x2=5", {"x1", "x2"}, {{2, 3}}, {5}},
        {"x=1\r\ny=2", {"x", "y"}, {{1, 0}, {0, 1}}, {1, 2}},
        {"x=1\n", {"x"}, {{1}}, {1}},
        {"x\ny=1", {"xy"}, {{1}}, {1}},
        {"1234567890.5x=1111111111", {"x"}, {{1234567890.5L}}, {1111111111}},
        {"2x1+3x=7", {"x1", "x"}, {{2, 3}}, {7}},
        {"ax+x=2", {"ax", "x"}, {{1, 1}}, {2}},
        {"x2y+y=1", {"x2y", "y"}, {{1, 1}}, {1}},
        {"x+x=2", {"x"}, {{2}}, {2}},
        {"x-x=0", {"x"}, {{0}}, {0}},
        {"y+0.5x-y+2.25x+y=1", {"y", "x"}, {{1, 2.75}}, {1}},
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
