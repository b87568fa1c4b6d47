#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "uSLU.h"

namespace {

const char* const kNoUniqueSolution = "Система не имеет единственного решения";
const char* const kExtraEquation = "Дано лишнее уравнение. Уберите одно из равенств";
const char* const kNoSolution = "Не имеет решения";

void ExpectSolved(const char* text, const std::string& answer, bool isMessage) {
    bool reportedMessage = !isMessage;
    EXPECT_EQ(SolveByCramer(text, reportedMessage), answer) << text;
    EXPECT_EQ(reportedMessage, isMessage) << text;
}

// The report's head, then these lines, each ended by CR LF.
void ExpectReport(const char* text, std::initializer_list<const char*> lines) {
    std::string report = "Методом Крамера:\r\n\r\n";
    for (const char* line : lines) {
        report += line;
        report += "\r\n";
    }
    ExpectSolved(text, report, false);
}

TEST(SolveByCramer, WritesTheReport) {
    ExpectReport("2x+y=5\r\nx-y=1",
                 {"D = ( 2  1", "      1 -1 ) = -3", "", "x = ( 5  1", "      1 -1 ) = -6", "",
                  "y = ( 2 5", "      1 1 ) = -3", "", "Ответ:", "x = 2", "y = 1"});
    ExpectReport("2x=4", {"D = ( 2 ) = 2", "", "x = ( 4 ) = 4", "", "Ответ:", "x = 2"});
    // The variables in the order they first appear.
    ExpectReport("y+x=3\r\nx-y=1",
                 {"D = (  1  1", "      -1  1 ) = 2", "", "y = ( 3 1", "      1 1 ) = 2", "",
                  "x = (  1  3", "      -1  1 ) = 4", "", "Ответ:", "y = 1", "x = 2"});
    // A D_k of 0 under a negative D.
    ExpectReport("x+y=1\r\nx-y=1",
                 {"D = ( 1  1", "      1 -1 ) = -2", "", "x = ( 1  1", "      1 -1 ) = -2", "",
                  "y = ( 1 1", "      1 1 ) = 0", "", "Ответ:", "x = 1", "y = 0"});
    // A whole name, longer than one letter, indents its matrix further.
    ExpectReport("2x1+3x=7\r\nx1-x=1",
                 {"D = ( 2  3", "      1 -1 ) = -5", "", "x1 = ( 7  3", "       1 -1 ) = -10", "",
                  "x = ( 2 7", "      1 1 ) = -5", "", "Ответ:", "x1 = 2", "x = 1"});
}

// The free terms raising the rank or not tell no solution from infinitely many. Decimal
// coefficients leave rounding residue where a zero is meant; nearly singular ones are solved.
TEST(SolveByCramer, AnswersInOneLineWhenThereIsNoSingleSolution) {
    using Answered = std::pair<const char*, const char*>;
    for (const auto& [text, message] :
         {Answered("x+y=1", kNoUniqueSolution), Answered("x=1\r\nx=2", kExtraEquation),
          Answered("x+y=1\r\n2x+2y=2", kNoUniqueSolution), Answered("x+y=1\r\nx+y=2", kNoSolution),
          Answered("x-x=0", kNoUniqueSolution), Answered("x-x=1", kNoSolution),
          Answered("0.1x+0.3y=1\r\n0.3x+0.9y=3", kNoUniqueSolution),
          Answered("0.1x+0.3y=1\r\n0.3x+0.9y=2", kNoSolution),
          Answered("-0.9x+0.07y+0.33z=0.03\r\n0.53x-0.9y-0.72z=0.58\r\n-0.37x-0.83y-0.39z=0.61",
                   kNoUniqueSolution),
          Answered("-0.9x+0.07y+0.33z=0.03\r\n0.53x-0.9y-0.72z=0.58\r\n-0.37x-0.83y-0.39z=0.62",
                   kNoSolution)}) {
        ExpectSolved(text, message, true);
    }
    for (const char* text : {"0.1x+0.3y=1\r\n0.3x+0.91y=3", "0.000001x=0.000002",
                             "0.1x+0.3y=1\r\n0.3x+0.900000001y=3"}) {
        bool isMessage = true;
        SolveByCramer(text, isMessage);
        EXPECT_FALSE(isMessage) << text;
    }
}

// x1=1, ..., xn=n, one equation a line.
std::string DiagonalSystem(size_t n) {
    std::string text;
    for (size_t i = 1; i <= n; ++i) {
        text += (i > 1 ? "\r\nx" : "x") + std::to_string(i) + "=" + std::to_string(i);
    }
    return text;
}

TEST(SolveByCramer, SolvesUpToAHundredUnknowns) {
    bool isMessage = true;
    EXPECT_TRUE(
        SolveByCramer(DiagonalSystem(100), isMessage).ends_with("\r\nx99 = 99\r\nx100 = 100\r\n"));
    EXPECT_FALSE(isMessage);
    ExpectSolved(DiagonalSystem(101).c_str(), "Слишком много неизвестных: не более 100", true);
}

}  // namespace
