#include <gtest/gtest.h>

#include <random>

#include "uMatrixes.h"

namespace {

const char* const kEnter = "Введите матрицу";
const char* const kPoint = "Ошибка: \".\"";
const char* const kSign = "Ошибка: \"+,-\"";
const char* const kUneven = "Количество элементов в строках матрицы не одинаковое";

// The tidying as a walk of deletions over the positions of the text, rule by rule.
std::string CompactByWalk(std::string text) {
    for (size_t i = 0; i < text.size();) {
        if (text[i] == ' ' && i + 1 < text.size() && text[i + 1] == ' ') {
            text.erase(i + 1, 1);
        } else if (text[i] == '\r' && i > 0 && text[i - 1] == ' ') {
            text.erase(--i, 1);
        } else if (text[i] == '\n' && i + 1 < text.size() && text[i + 1] == ' ') {
            text.erase(i + 1, 1);
        } else if (i + 1 == text.size() && text[i] == ' ') {
            text.erase(i, 1);
        } else {
            ++i;
        }
    }
    return text;
}

struct CompactCase {
    const char* text;
    const char* compacted;
};

class CompactSpacesTest : public testing::TestWithParam<CompactCase> {};

TEST_P(CompactSpacesTest, RemovesTheRedundantSpaces) {
    std::string text = GetParam().text;
    CompactSpaces(text);
    EXPECT_EQ(text, GetParam().compacted);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CompactSpacesTest,
    testing::Values(CompactCase{"", ""}, CompactCase{"   ", ""}, CompactCase{" 1", " 1"},
                    CompactCase{"1   2", "1 2"}, CompactCase{"1 2  ", "1 2"},
                    CompactCase{"1 2  \r\n  3 4 ", "1 2\r\n3 4"},
                    CompactCase{" \r\n1", "\r\n1"},        // the space before a CR goes
                    CompactCase{"1\r  2", "1\r 2"},        // a lone CR keeps one space after it
                    CompactCase{"1 \n2", "1 \n2"},         // only a CR takes the space before it
                    CompactCase{"1\n  \n 2", "1\n\n2"}));  // every space after an LF goes

TEST(CompactSpacesWalk, AgreesWithTheWalkOfDeletions) {
    std::mt19937 random(5);
    const char alphabet[] = {' ', ' ', ' ', '\r', '\n', '1'};
    for (int sample = 0; sample < 20000; ++sample) {
        std::string text(std::uniform_int_distribution<size_t>(0, 12)(random), ' ');
        for (char& c : text) {
            c = alphabet[std::uniform_int_distribution<size_t>(0, sizeof alphabet - 1)(random)];
        }
        std::string compacted = text;
        CompactSpaces(compacted);
        ASSERT_EQ(compacted, CompactByWalk(text)) << testing::PrintToString(text);
    }
}

struct CheckCase {
    const char* name;
    const char* text;
    const char* message;  // nullptr: accepted
};

class CheckMatrixTest : public testing::TestWithParam<CheckCase> {};

TEST_P(CheckMatrixTest, NamesTheFirstFault) {
    std::string message = "untouched";
    const bool accepted = CheckMatrix(GetParam().text, message);
    if (GetParam().message == nullptr) {
        EXPECT_TRUE(accepted);
        EXPECT_EQ(message, "untouched");
    } else {
        EXPECT_FALSE(accepted);
        EXPECT_EQ(message, GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CheckMatrixTest,
    testing::Values(CheckCase{"empty", "", kEnter}, CheckCase{"spaces", "   ", kEnter},
                    CheckCase{"lineBreak", "\r\n", kEnter},
                    CheckCase{"lineFeeds", "\n\n\n", kEnter},
                    CheckCase{"lineFeedsAndSpaces", " \n \n ", kEnter},
                    CheckCase{"breaksAndSpaces", " \r\n \r\n", kEnter},
                    CheckCase{"square", "1 2\r\n3 4", nullptr},
                    CheckCase{"spacesAround", "  1   2  \r\n 3 4   ", nullptr},
                    CheckCase{"row", "1 2 3", nullptr}, CheckCase{"number", "5", nullptr},
                    CheckCase{"signs", "+5 -5", nullptr}, CheckCase{"loneCr", "1 2\r3 4", nullptr},
                    CheckCase{"lfInOneRow", "1\n2", nullptr},
                    CheckCase{"comma", "1,5", "Недопустимый символ: ,"},
                    CheckCase{"exponent", "1e5", "Недопустимый символ: e"},
                    CheckCase{"tab", "1\t2", "Недопустимый символ: \t"},
                    CheckCase{"letterAfterRows", "1 2\r\n3 x", "Недопустимый символ: x"},
                    CheckCase{"characterBeforeNumber", "1..2 x", "Недопустимый символ: x"},
                    CheckCase{"characterBeforeEmpty", "\r\n x", "Недопустимый символ: x"},
                    CheckCase{"pointFirst", ".5", kPoint}, CheckCase{"pointLast", "5.", kPoint},
                    CheckCase{"twoPoints", "1.2.3", kPoint}, CheckCase{"pointPair", "1..2", kPoint},
                    CheckCase{"pointBeforeSign", "1.-5", kPoint},
                    CheckCase{"twoSigns", "--1", kSign}, CheckCase{"signInside", "1-2", kSign},
                    CheckCase{"loneSign", "1 - 2", kSign},
                    CheckCase{"signBeforePoint", "-.5", kSign},
                    CheckCase{"firstTokenFirst", "1 -.5 1.2.3", kSign},
                    CheckCase{"numbersBeforeCounts", "1 2\r\n3\r\n4.5.6", kPoint},
                    CheckCase{"finalLineBreak", "1 2\r\n3 4\r\n", kUneven},
                    CheckCase{"emptyLineBetween", "1 2\r\n\r\n3 4", kUneven},
                    CheckCase{"leadingLineBreak", "\r\n1 2", kUneven},
                    CheckCase{"shortRow", "1 2\r\n3", kUneven},
                    CheckCase{"lfJoinsInLine", "1\n2\r\n3 4", kUneven},
                    CheckCase{"lfSplitsLaterRow", "1 2\r\n3 4\n5", kUneven}),
    [](const auto& test) { return std::string(test.param.name); });

struct ParseCase {
    const char* name;
    const char* text;  // as compacted
    TwoDimDynA matrix;
};

class ParseMatrixTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseMatrixTest, ReadsEveryElement) {
    std::string message;
    ASSERT_TRUE(CheckMatrix(GetParam().text, message)) << message;
    TwoDimDynA matrix = {{9, 9, 9}};
    ParseMatrix(GetParam().text, matrix);
    EXPECT_EQ(matrix, GetParam().matrix);
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseMatrixTest,
                         testing::Values(ParseCase{"square", "1 2\r\n3 4", {{1, 2}, {3, 4}}},
                                         ParseCase{"loneCr", "1 2\r3 4", {{1, 2}, {3, 4}}},
                                         ParseCase{"row", "1 2 3", {{1, 2, 3}}},
                                         ParseCase{"number", "5", {{5}}},
                                         ParseCase{"signs", "+5 -5", {{5, -5}}},
                                         ParseCase{"decimals", "-0.25 1.5", {{-0.25L, 1.5L}}},
                                         ParseCase{"lfSeparates", "1\n2", {{1, 2}}},
                                         ParseCase{"column", " 1\r\n2\r\n3", {{1}, {2}, {3}}}),
                         [](const auto& test) { return std::string(test.param.name); });

struct LayoutCase {
    const char* name;
    TwoDimDynA matrix;
    int indent;
    const char* text;  // "·" for one space, "|" for CR LF
};

class MatrixToTextTest : public testing::TestWithParam<LayoutCase> {};

std::string Visible(const std::string& text) {
    std::string visible;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ' ') {
            visible += "·";
        } else if (text.compare(i, 2, "\r\n") == 0) {
            visible += '|';
            ++i;
        } else {
            visible += text[i];
        }
    }
    return visible;
}

TEST_P(MatrixToTextTest, AlignsTheColumns) {
    std::string text = "old";
    MatrixToText(GetParam().matrix, text, GetParam().indent);
    EXPECT_EQ(Visible(text), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Matrices, MatrixToTextTest,
    testing::Values(
        LayoutCase{"twoByThree", {{1, -2.5L, 3}, {10, 4, 5}}, 0, "··1·-2.5·····3|·10····4·····5"},
        LayoutCase{"one", {{5}}, 0, "·5"},
        LayoutCase{"indented", {{1, 2}, {3, 4}}, 5, "·1·2|······3·4"},
        LayoutCase{"negativeIndent", {{1, 2}, {3, 4}}, -3, "·1·2|·3·4"},
        LayoutCase{"column", {{1}, {-20}, {300}}, 0, "···1|·-20|·300"},
        LayoutCase{"row", {{1, 22, 333, 4}}, 0, "·1··22··333····4"},
        LayoutCase{"fourColumns", {{1, 2, 3, 4}}, 0, "·1·2··3··4"},
        LayoutCase{"numberTexts", {{1.0L / 3, 1e15L}}, 0, "·0.333333333333333··············1E15"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(PadLeft, PrefixesTheSpacesOneWider) {
    const struct {
        const char* text;
        int width;
        const char* padded;
    } cases[] = {{"5", 3, "   5"}, {"abc", 3, " abc"}, {"abcd", 3, "abcd"},
                 {"", 4, "     "}, {"", -1, ""},       {"", 0, " "}};
    for (const auto& c : cases) {
        EXPECT_EQ(PadLeft(c.text, c.width), c.padded) << c.text << ", " << c.width;
    }
}

}  // namespace
