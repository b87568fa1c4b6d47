#include <gtest/gtest.h>

#include <random>
#include <tuple>
#include <utility>

#include "CheckCases.h"
#include "uMatrixes.h"

namespace {

const std::string kEnter = "Введите матрицу";
const std::string kUneven = "Количество элементов в строках матрицы не одинаковое";

// The tidying as a walk of deletions over the positions of the text (rules 1 and 3 together).
std::string CompactByWalk(std::string text) {
    for (size_t i = 0; i < text.size();) {
        const bool spaceFollows = i + 1 < text.size() && text[i + 1] == ' ';
        if ((text[i] == ' ' || text[i] == '\n') && spaceFollows) {
            text.erase(i + 1, 1);
        } else if (text[i] == '\r' && i > 0 && text[i - 1] == ' ') {
            text.erase(--i, 1);
        } else if (i + 1 == text.size() && text[i] == ' ') {
            text.erase(i, 1);
        } else {
            ++i;
        }
    }
    return text;
}

TEST(CompactSpaces, AgreesWithTheWalkOfDeletions) {
    std::mt19937 random(5);
    const char alphabet[] = {' ', ' ', ' ', '\r', '\n', '1'};
    for (int sample = 0; sample < 20000; ++sample) {
        std::string text(random() % 13, ' ');
        for (char& c : text) {
            c = alphabet[random() % sizeof alphabet];
        }
        std::string compacted = text;
        CompactSpaces(compacted);
        ASSERT_EQ(compacted, CompactByWalk(text)) << testing::PrintToString(text);
    }
}

// Nothing to read, then the characters of the whole text, then every number in text order, then
// the rows' counts.
TEST(CheckMatrix, NamesTheFirstFault) {
    ExpectChecks(CheckMatrix,
                 {Rejected("", kEnter), Rejected("   ", kEnter), Rejected("\r\n", kEnter),
                  Rejected("1,5", kInvalid + ","), Rejected("1..2 x", kInvalid + "x"),
                  Rejected("\r\n x", kInvalid + "x"), Rejected("1 - 2", kSign),
                  Rejected("1 -.5 1.2.3", kSign), Rejected("1 2\r\n3\r\n4.5.6", kPoint),
                  Rejected("1 2\r\n3 4\r\n", kUneven), Rejected("1 2\r\n\r\n3 4", kUneven),
                  Rejected("\r\n1 2", kUneven), Rejected("1\n2\r\n3 4", kUneven),
                  Rejected("1 2\r\n3 4\n5", kUneven)});
}

// As the page does it: compacted, checked, read.
TEST(ParseMatrix, ReadsEveryElementOfAnAcceptedText) {
    const std::pair<std::string, TwoDimDynA> cases[] = {
        {"1 2\r\n3 4", {{1, 2}, {3, 4}}},
        {"  1   2  \r\n 3 4   ", {{1, 2}, {3, 4}}},
        {"1 2\r3 4", {{1, 2}, {3, 4}}},
        {"+5 -5", {{5, -5}}},
        {"1\n2", {{1, 2}}},
        {" 1\r\n2\r\n3", {{1}, {2}, {3}}},
    };
    for (const auto& [text, matrix] : cases) {
        ExpectChecks(CheckMatrix, {Accepted(text)});
        std::string compacted = text;
        CompactSpaces(compacted);
        TwoDimDynA parsed = {{9, 9, 9}};
        ParseMatrix(compacted, parsed);
        EXPECT_EQ(parsed, matrix) << text;
    }
}

TEST(MatrixToText, AlignsTheColumnsAndIndentsTheLaterRows) {
    const std::tuple<TwoDimDynA, int, const char*> cases[] = {
        {{{1, -2.5L, 3}, {10, 4, 5}}, 0, "  1 -2.5     3\r\n 10    4     5"},
        {{{1, 2}, {3, 4}}, 5, " 1 2\r\n      3 4"},
        {{{1, 2}, {3, 4}}, -3, " 1 2\r\n 3 4"},
        {{{1}, {-20}, {300}}, 0, "   1\r\n -20\r\n 300"},
        {{{1, 22, 333, 4}}, 0, " 1  22  333    4"},
    };
    for (const auto& [matrix, indent, expected] : cases) {
        std::string text = "old";
        MatrixToText(matrix, text, indent);
        EXPECT_EQ(text, expected);
    }
}

}  // namespace
