#include <gtest/gtest.h>

#include <initializer_list>

#include "uSLU.h"

namespace {

const char* const kNoUniqueSolution = "Система не имеет единственного решения";
const char* const kExtraEquation = "Дано лишнее уравнение. Уберите одно из равенств";
const char* const kNoSolution = "Не имеет решения";

// Lines, each ended by CR LF.
std::string Report(std::initializer_list<const char*> lines) {
    std::string report;
    for (const char* line : lines) {
        report += line;
        report += "\r\n";
    }
    return report;
}

struct SolveCase {
    const char* text;
    std::string answer;
};

void ExpectSolved(const SolveCase& testCase, bool isMessage) {
    SCOPED_TRACE(testCase.text);
    bool reportedMessage = !isMessage;
    EXPECT_EQ(SolveByCramer(testCase.text, reportedMessage), testCase.answer);
    EXPECT_EQ(reportedMessage, isMessage);
}

TEST(SolveByCramerTest, WritesTheReport) {
    const SolveCase cases[] = {
        {"2x+y=5\r\nx-y=1", Report({"Методом Крамера:", "", "D = ( 2  1", "      1 -1 ) = -3", "",
                                    "x = ( 5  1", "      1 -1 ) = -6", "", "y = ( 2 5",
                                    "      1 1 ) = -3", "", "Ответ:", "x = 2", "y = 1"})},
        {"2x=4",
         "Методом Крамера:\r\n\r\nD = ( 2 ) = 2\r\n\r\nx = ( 4 ) = 4\r\n\r\nОтвет:\r\nx = 2\r\n"},
        {"3x=1", Report({"Методом Крамера:", "", "D = ( 3 ) = 3", "", "x = ( 1 ) = 1", "",
                         "Ответ:", "x = 0.333333333333333"})},
        // Variables in the order they first appear.
        {"y+x=3\r\nx-y=1", Report({"Методом Крамера:", "", "D = (  1  1", "      -1  1 ) = 2", "",
                                   "y = ( 3 1", "      1 1 ) = 2", "", "x = (  1  3",
                                   "      -1  1 ) = 4", "", "Ответ:", "y = 1", "x = 2"})},
        // D_k = 0 under a negative D.
        {"x+y=1\r\nx-y=1", Report({"Методом Крамера:", "", "D = ( 1  1", "      1 -1 ) = -2", "",
                                   "x = ( 1  1", "      1 -1 ) = -2", "", "y = ( 1 1",
                                   "      1 1 ) = 0", "", "Ответ:", "x = 1", "y = 0"})},
        // A longer name indents its matrix further.
        {"ab+c=3\r\nab-c=1", Report({"Методом Крамера:", "", "D = ( 1  1", "      1 -1 ) = -2", "",
                                     "ab = ( 3  1", "       1 -1 ) = -4", "", "c = ( 1 3",
                                     "      1 1 ) = -2", "", "Ответ:", "ab = 2", "c = 1"})},
        {"x+y+z=6\r\n2y+5z=-4\r\n2x+5y-z=27", Report({"Методом Крамера:",
                                                      "",
                                                      "D = ( 1  1   1",
                                                      "      0  2   5",
                                                      "      2  5  -1 ) = -21",
                                                      "",
                                                      "x = (  6  1   1",
                                                      "      -4  2   5",
                                                      "      27  5  -1 ) = -105",
                                                      "",
                                                      "y = ( 1  6   1",
                                                      "      0 -4   5",
                                                      "      2 27  -1 ) = -63",
                                                      "",
                                                      "z = ( 1  1   6",
                                                      "      0  2  -4",
                                                      "      2  5  27 ) = 42",
                                                      "",
                                                      "Ответ:",
                                                      "x = 5",
                                                      "y = 3",
                                                      "z = -2"})},
        // Summed terms and whole names.
        {"x+x=2", Report({"Методом Крамера:", "", "D = ( 2 ) = 2", "", "x = ( 2 ) = 2", "",
                          "Ответ:", "x = 1"})},
        {"2x1+3x=7\r\nx1-x=1", Report({"Методом Крамера:", "", "D = ( 2  3", "      1 -1 ) = -5",
                                       "", "x1 = ( 7  3", "       1 -1 ) = -10", "", "x = ( 2 7",
                                       "      1 1 ) = -5", "", "Ответ:", "x1 = 2", "x = 1"})},
    };
    for (const SolveCase& testCase : cases) {
        ExpectSolved(testCase, false);
    }
}

TEST(SolveByCramerTest, AnswersInOneLineWhenThereIsNoSingleSolution) {
    const SolveCase cases[] = {
        {"x+y=1", kNoUniqueSolution},
        {"x+y+z=1\r\nx-y=0", kNoUniqueSolution},
        {"x=1\r\nx=2", kExtraEquation},
        {"x+y=1\r\nx-y=0\r\n2x=1", kExtraEquation},
        {"x+y=1\r\n2x+2y=2", kNoUniqueSolution},
        {"x+y=1\r\nx+y=2", kNoSolution},
        {"x+y+z=1\r\nx+y+z=2\r\nx+y+z=3", kNoSolution},
        {"x+y+z=1\r\n2x+2y+2z=2\r\n3x+3y+3z=3", kNoUniqueSolution},
        {"x-x=0", kNoUniqueSolution},
        {"x-x=1", kNoSolution},
        {"0x=0", kNoUniqueSolution},
        {"x+y=2\r\nx+y-x-y=0", kNoUniqueSolution},
        {"x+2y+3z=6\r\n4x+5y+6z=15\r\n5x+7y+9z=21", kNoUniqueSolution},
        {"x+2y+3z=6\r\n4x+5y+6z=15\r\n5x+7y+9z=20", kNoSolution},
        // The third line is the sum of the first two, whose rounding leaves a residue.
        {"-0.9x+0.07y+0.33z=0.03\r\n0.53x-0.9y-0.72z=0.58\r\n-0.37x-0.83y-0.39z=0.61",
         kNoUniqueSolution},
        {"-0.9x+0.07y+0.33z=0.03\r\n0.53x-0.9y-0.72z=0.58\r\n-0.37x-0.83y-0.39z=0.62", kNoSolution},
        {"0.85x-0.3y+0.5z=0.45\r\n-0.28x+0.14y+0.27z=-0.74\r\n0.57x-0.16y+0.77z=-0.29",
         kNoUniqueSolution},
        // D is rounding residue (about -7E-21) of a zero.
        {"0.1x+0.3y=1\r\n0.3x+0.9y=3", kNoUniqueSolution},
        {"0.1x+0.3y=1\r\n0.3x+0.9y=2", kNoSolution},
    };
    for (const SolveCase& testCase : cases) {
        ExpectSolved(testCase, true);
    }
}

TEST(SolveByCramerTest, SolvesNearlySingularDecimalSystems) {
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

TEST(SolveByCramerTest, SolvesUpToAHundredUnknowns) {
    bool isMessage = true;
    const std::string report = SolveByCramer(DiagonalSystem(100), isMessage);
    EXPECT_FALSE(isMessage);
    EXPECT_TRUE(report.ends_with("\r\nx99 = 99\r\nx100 = 100\r\n"));
    EXPECT_EQ(SolveByCramer(DiagonalSystem(101), isMessage),
              "Слишком много неизвестных: не более 100");
    EXPECT_TRUE(isMessage);
}

}  // namespace
