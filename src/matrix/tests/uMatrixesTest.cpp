#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "CheckCases.h"
#include "uMatrixes.h"

namespace {

const std::string kEnter = "Введите матрицу";
const std::string kUneven = "Количество элементов в строках матрицы не одинаковое";

// A run of spaces shrinks to one; the spaces after an LF, the one before a CR and a final space
// go, whatever came before.
TEST(CompactSpaces, KeepsOneSpaceBetweenNumbersOnly) {
    using Compacted = std::pair<std::string, std::string>;
    for (auto [text, compacted] :
         {Compacted("  1   2  ", " 1 2"), Compacted("1  \r\n  2 \r3", "1\r\n2\r3"),
          Compacted("1 \n  2", "1 \n2"), Compacted(" \r \r", "\r\r"),
          Compacted("1 \r \r\n 2  ", "1\r\r\n2")}) {
        CompactSpaces(text);
        EXPECT_EQ(text, compacted);
    }
}

// Nothing to read, then the characters of the whole text, then every number in text order, then
// the rows' counts.
TEST(CheckMatrix, NamesTheFirstFault) {
    ExpectChecks(CheckMatrix,
                 {Rejected("", kEnter), Rejected("   ", kEnter), Rejected("\r\n", kEnter),
                  Rejected("1,5", kInvalid + ","), Rejected("1..2 x", kInvalid + "x"),
                  Rejected("\r\n x", kInvalid + "x"), Rejected("1 -.5 1.2.3", kSign),
                  Rejected("1 2\r\n3\r\n4.5.6", kPoint), Rejected("1 2\r\n3 4\r\n", kUneven),
                  Rejected("1 2\r\n\r\n3 4", kUneven), Rejected("\r\n1 2", kUneven),
                  Rejected("1\n2\r\n3 4", kUneven), Rejected("1 2\r\n3 4\n5", kUneven)});
}

// As the page does it: compacted, checked, read. CR alone ends a row; LF separates numbers.
TEST(ParseMatrix, ReadsEveryElementOfAnAcceptedText) {
    const std::pair<std::string, TwoDimDynA> cases[] = {
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
    };
    for (const auto& [matrix, indent, expected] : cases) {
        std::string text = "old";
        MatrixToText(matrix, text, indent);
        EXPECT_EQ(text, expected);
    }
}

// The product takes four columns of C at a time, then the one left over.
TEST(MatrixOperations, GiveTheirMatrix) {
    TwoDimDynA c = {{9}};  // whatever the output held is replaced
    MatrixProduct({{1}, {2}}, {{1, 2, 3, 4, 5}}, c);
    EXPECT_EQ(c, (TwoDimDynA{{1, 2, 3, 4, 5}, {2, 4, 6, 8, 10}}));
    MatrixPower({{1, 1}, {0, 1}}, 3, c);
    EXPECT_EQ(c, (TwoDimDynA{{1, 3}, {0, 1}}));
    MatrixPower({{1, 2}, {3, 4}}, 0, c);
    EXPECT_EQ(c, (TwoDimDynA{{1, 0}, {0, 1}}));
}

}  // namespace
