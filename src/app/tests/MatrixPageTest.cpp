#include <gtest/gtest.h>

#include <string>

#include "MatrixPage.h"

namespace {

using Op = MatrixOperation;

const Op kEveryOperation[] = {Op::Determinant, Op::Sum,     Op::Power,    Op::Difference,
                              Op::ByNumber,    Op::Product, Op::Transpose};

struct PageCase {
    const char* name;
    Op operation;
    std::u16string a;
    std::u16string b;
    std::u16string exponent;
    std::u16string factor;
    std::u16string text;
    bool isMessage;
};

class MatrixPageTest : public testing::TestWithParam<PageCase> {};

TEST_P(MatrixPageTest, Answers) {
    const PageCase& c = GetParam();
    const PageAnswer answer = MatrixPageAnswer(c.operation, {c.a, c.b, c.exponent, c.factor});
    EXPECT_EQ(answer.text, c.text);
    EXPECT_EQ(answer.isMessage, c.isMessage);
}

const std::u16string kSquare = u"1 2\r\n3 4";
const std::u16string kTwoByThree = u"1 2 3\r\n4 5 6";
const std::u16string kThreeByTwo = u"1 0\r\n0 1\r\n1 1";
const std::u16string kLarge = u"1" + std::u16string(60, u'0');  // 1E60

// A row of n ones, then what follows it.
std::u16string Ones(size_t n, const std::u16string& after = u"") {
    std::u16string text = u"1";
    for (size_t i = 1; i < n; ++i) {
        text += u" 1";
    }
    return text + after;
}

// A column of n ones.
std::u16string OnesColumn(size_t n) {
    std::u16string text = u"1";
    for (size_t i = 1; i < n; ++i) {
        text += u"\r\n1";
    }
    return text;
}

PageCase Message(const char* name, Op operation, std::u16string a, std::u16string b,
                 std::u16string text) {
    return {name, operation, std::move(a), std::move(b), u"", u"", std::move(text), true};
}

PageCase Result(const char* name, Op operation, std::u16string a, std::u16string b,
                std::u16string text) {
    return {name, operation, std::move(a), std::move(b), u"", u"", std::move(text), false};
}

PageCase Power(const char* name, std::u16string a, std::u16string exponent, std::u16string text,
               bool isMessage = false) {
    return {name, Op::Power,       std::move(a), u"", std::move(exponent),
            u"",  std::move(text), isMessage};
}

PageCase Scale(const char* name, std::u16string factor, std::u16string text) {
    return {name, Op::ByNumber, kSquare, u"", u"", std::move(factor), std::move(text), false};
}

INSTANTIATE_TEST_SUITE_P(
    Operations, MatrixPageTest,
    testing::Values(
        Result("determinant", Op::Determinant, kSquare, u"", u"-2"),
        Result("determinantWithGarbageB", Op::Determinant, u"2", u"x y", u"2"),
        Result("determinantDecimal", Op::Determinant, u"0.5 1\r\n1 4", u"", u"1"),
        Result("sum", Op::Sum, kSquare, u"10 20\r\n30 40", u" 11 22\r\n 33 44"),
        Result("difference", Op::Difference, kSquare, u"1 1\r\n1 1", u" 0 1\r\n 2 3"),
        Result("product", Op::Product, kTwoByThree, kThreeByTwo, u"  4  5\r\n 10 11"),
        Result("transpose", Op::Transpose, kTwoByThree, u"garbage", u" 1 4\r\n 2 5\r\n 3 6"),
        Result("tidiedSpaces", Op::Transpose, u"  1   2  \r\n 3 4  ", u"", u" 1 3\r\n 2 4"),
        Power("powerTwo", kSquare, u"2", u"  7 10\r\n 15 22"),
        Power("powerOne", kSquare, u"1", u" 1 2\r\n 3 4"),
        Power("powerEmpty", kSquare, u"", u" 1 2\r\n 3 4"),
        Power("powerZero", kSquare, u"0", u" 1 0\r\n 0 1"),
        Power("powerNinetyNine", u"1 1\r\n0 1", u"99", u" 1 99\r\n 0  1"),
        Power("powerNegative", kSquare, u"-1", u"Показатель степени должен быть неотрицательным",
              true),
        Power("powerNegativeNotSquare", kTwoByThree, u"-1", u"Матрица не квадратная", true),
        Power("powerOverflows", kLarge + u" 1\r\n1 1", u"99", u"Переполнение", true),
        Scale("byEmptyFactor", u"", u" 0 0\r\n 0 0"), Scale("byThree", u"3", u" 3  6\r\n 9 12"),
        Scale("byNegative", u"-2", u" -2 -4\r\n -6 -8"),
        Result("wholeTextRead", Op::Transpose, Ones(3000), u"",
               [] {
                   std::u16string column = u" 1";
                   for (int i = 1; i < 3000; ++i) {
                       column += u"\r\n 1";
                   }
                   return column;
               }()),
        Message("faultPastTheOldCut", Op::Determinant, Ones(3000, u" x"), u"",
                u"Недопустимый символ: x"),
        Message("determinantOverflows", Op::Determinant,
                kLarge + u"00000000000000 0\r\n0 " + std::u16string(u"1") +
                    std::u16string(4900, u'0'),
                u"", u"Переполнение"),
        Message("numberTooLarge", Op::Transpose, u"1" + std::u16string(5000, u'0'), u"",
                u"Переполнение"),
        Message("emptyA", Op::Transpose, u"", kSquare, u"Введите матрицу"),
        Message("lineBreakOnly", Op::Determinant, u"\r\n", u"", u"Введите матрицу"),
        Message("lineFeedsOnly", Op::Transpose, u"\n\n", u"", u"Введите матрицу"),
        Message("lineFeedsAndSpaces", Op::Power, u" \n  \n ", u"", u"Введите матрицу"),
        Message("emptyB", Op::Sum, kSquare, u"\r\n", u"Введите матрицу"),
        Message("cyrillicLetter", Op::Transpose, u"1 ж", u"", u"Недопустимый символ: ж"),
        Message("characterWithoutByte", Op::Transpose, u"1 ∞ 2", u"", u"Недопустимый символ: ∞"),
        Message("surrogatePair", Op::Sum, kSquare, u"1 😀", u"Недопустимый символ: 😀"),
        Message("unevenB", Op::Product, kSquare, u"1 2\r\n3",
                u"Количество элементов в строках матрицы не одинаковое"),
        Message("notSquare", Op::Determinant, kTwoByThree, u"", u"Матрица не квадратная"),
        Message("differentOrder", Op::Sum, kSquare, kTwoByThree, u"Матрицы разного порядка"),
        Message("differentOrderDifference", Op::Difference, kTwoByThree, kSquare,
                u"Матрицы разного порядка"),
        Message("notConformable", Op::Product, kTwoByThree, kTwoByThree, u"Матрицы не сопряжены"),
        // A column of 501 by a row of 500: 250,500 elements, past the largest product written.
        Message("productTooLarge", Op::Product, OnesColumn(501), Ones(500),
                u"Матрица результата слишком велика"),
        Message("bBeforeShape", Op::Sum, kSquare, u"1.", u"Ошибка: \".\"")),
    [](const auto& test) { return std::string(test.param.name); });

TEST(MatrixPageProduct, WritesTheLargestProductWhole) {
    const PageAnswer answer = MatrixPageAnswer(Op::Product, {OnesColumn(500), Ones(500), u"", u""});
    EXPECT_FALSE(answer.isMessage);
    // 500 rows of " 1", 498 middle fields " 1 " and " 1", joined by CR LF.
    EXPECT_EQ(answer.text.size(), 500u * (2u + 498u * 3u + 2u) + 499u * 2u);
}

// A's fault wins on every button, even where B is faulty too.
TEST(MatrixPageOrder, ShowsTheFaultOfAFirst) {
    const struct {
        std::u16string a;
        std::u16string message;
    } faults[] = {{u"", u"Введите матрицу"},
                  {u"1,5", u"Недопустимый символ: ,"},
                  {u"1 -.5", u"Ошибка: \"+,-\""},
                  {u"1 2\r\n3", u"Количество элементов в строках матрицы не одинаковое"}};
    for (const auto& fault : faults) {
        for (const Op operation : kEveryOperation) {
            const PageAnswer answer = MatrixPageAnswer(operation, {fault.a, u"x", u"-1", u"2"});
            EXPECT_EQ(answer.text, fault.message) << static_cast<int>(operation);
            EXPECT_TRUE(answer.isMessage);
        }
    }
}

TEST(MatrixPageOrder, AnswersTheSameTwice) {
    for (const Op operation : kEveryOperation) {
        const MatrixPageInput input = {u"1.5 -2\r\n3 4", u"1 0\r\n0 1", u"3", u"7"};
        const PageAnswer first = MatrixPageAnswer(operation, input);
        const PageAnswer second = MatrixPageAnswer(operation, input);
        EXPECT_FALSE(first.isMessage);
        EXPECT_EQ(first.text, second.text);
    }
}

}  // namespace
