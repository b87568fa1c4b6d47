// The three pages: box texts in, result text and message flag out.
#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "EquationsPage.h"
#include "ExpressionPage.h"
#include "MatrixPage.h"
#include "uMatrixes.h"

namespace {

using Op = MatrixOperation;

struct Shown {
    std::u16string text;
    bool isMessage;
};

void ExpectShown(const PageAnswer& answer, const Shown& shown) {
    EXPECT_EQ(answer.text, shown.text);
    EXPECT_EQ(answer.isMessage, shown.isMessage);
}

void ExpectAnswers(PageAnswer (*page)(std::u16string_view),
                   std::initializer_list<std::pair<std::u16string, Shown>> cases) {
    for (const auto& [input, shown] : cases) {
        SCOPED_TRACE(testing::PrintToString(input.substr(0, 40)));
        ExpectShown(page(input), shown);
    }
}

struct MatrixCase {
    Op operation;
    MatrixPageInput input;
    Shown shown;
};

void ExpectAnswer(const MatrixCase& c) {
    SCOPED_TRACE(testing::Message() << "operation " << static_cast<int>(c.operation) << ", A "
                                    << testing::PrintToString(c.input.a.substr(0, 20)));
    ExpectShown(MatrixPageAnswer(c.operation, c.input), c.shown);
}

// count copies of item, separator between them.
std::u16string Joined(std::u16string_view item, std::u16string_view separator, size_t count) {
    std::u16string text(item);
    for (size_t i = 1; i < count; ++i) {
        text.append(separator).append(item);
    }
    return text;
}

// A calculation shows its own arithmetic fault, never INF or NAN, and none of the last one's.
TEST(ExpressionPage, ShowsTheValueTheCheckMessageOrTheFault) {
    ExpectAnswers(ExpressionPageAnswer, {{u"2*(3-1.5)/4", {u"0.75", false}},
                                         {u"中+ж", {u"Недопустимый символ: 中", true}},
                                         {u"1/0", {u"Деление на ноль", true}},
                                         {u"1/2", {u"0.5", false}},
                                         {Joined(u"1", u"+", 16384), {u"16384", false}}});
}

TEST(EquationsPage, ShowsTheReportTheMessageOrTheFault) {
    const std::u16string huge = u"1" + std::u16string(3000, u'0');  // D = 1E6000 - 1
    ExpectAnswers(
        EquationsPageAnswer,
        {{u"x=5",
          {u"Методом Крамера:\r\n\r\nD = ( 1 ) = 1\r\n\r\nx = ( 5 ) = 5\r\n\r\nОтвет:\r\nx = 5\r\n",
           false}},
         {u"x+y=1\r\nx+y=2", {u"Не имеет решения", true}},
         {u"x=1\r\ny=\U0001F600", {u"Недопустимый символ: \U0001F600", true}},
         {huge + u"x+y=1\r\nx+" + huge + u"y=2", {u"Переполнение", true}}});
}

// The product of a column of 500 ones by a row of 500 ones, as the matrix unit writes it.
std::u16string OnesProduct() {
    std::string text;
    MatrixToText(TwoDimDynA(500, ArrayOfExtended(500, 1)), text, 0);
    return FromCp1251(text);
}

TEST(MatrixPage, ShowsTheResultOrTheMessage) {
    const std::u16string square = u"1 2\r\n3 4";
    const std::u16string twoByThree = u"1 2 3\r\n4 5 6";
    const std::u16string overlong = u"1" + std::u16string(5000, u'0');
    const std::u16string column500 = Joined(u"1", u"\r\n", 500);
    const std::u16string column501 = Joined(u"1", u"\r\n", 501);
    const std::u16string row500 = Joined(u"1", u" ", 500);
    const MatrixCase cases[] = {
        {Op::Determinant, {square, u"", u"", u""}, {u"-2", false}},
        {Op::Sum, {square, u"10 20\r\n30 40", u"", u""}, {u" 11 22\r\n 33 44", false}},
        {Op::Difference, {square, u"1 1\r\n1 1", u"", u""}, {u" 0 1\r\n 2 3", false}},
        {Op::Product, {twoByThree, u"1 0\r\n0 1\r\n1 1", u"", u""}, {u"  4  5\r\n 10 11", false}},
        {Op::Transpose, {u"  1   2  \r\n 3 4  ", u"", u"", u""}, {u" 1 3\r\n 2 4", false}},
        {Op::Power, {square, u"", u"2", u""}, {u"  7 10\r\n 15 22", false}},
        {Op::Power, {square, u"", u"", u""}, {u" 1 2\r\n 3 4", false}},
        {Op::Power,
         {square, u"", u"-1", u""},
         {u"Показатель степени должен быть неотрицательным", true}},
        {Op::Power, {twoByThree, u"", u"-1", u""}, {u"Матрица не квадратная", true}},
        {Op::ByNumber, {square, u"", u"", u""}, {u" 0 0\r\n 0 0", false}},
        {Op::ByNumber, {square, u"", u"", u"-2"}, {u" -2 -4\r\n -6 -8", false}},
        {Op::Determinant, {twoByThree, u"", u"", u""}, {u"Матрица не квадратная", true}},
        {Op::Sum, {square, twoByThree, u"", u""}, {u"Матрицы разного порядка", true}},
        {Op::Product, {twoByThree, twoByThree, u"", u""}, {u"Матрицы не сопряжены", true}},
        // At most 250,000 elements in a product.
        {Op::Product, {column500, row500, u"", u""}, {OnesProduct(), false}},
        {Op::Product, {column501, row500, u"", u""}, {u"Матрица результата слишком велика", true}},
        {Op::Transpose, {overlong, u"", u"", u""}, {u"Переполнение", true}}};
    for (const MatrixCase& c : cases) {
        ExpectAnswer(c);
    }
}

// A's fault wins on every button, over a faulty B and a negative exponent; only A+B, A-B and
// A*B check B, and before the shapes.
TEST(MatrixPage, ChecksAFirstAndBOnlyWhereItIsRead) {
    const Op everyOperation[] = {Op::Determinant, Op::Sum,     Op::Power,    Op::Difference,
                                 Op::ByNumber,    Op::Product, Op::Transpose};
    const std::u16string badB = u"1 2\r\n3 \U0001F600";
    const std::u16string faultOfB = u"Недопустимый символ: \U0001F600";
    const std::u16string withGoodA[] = {u"1", faultOfB, u" 1", faultOfB, u" 0", faultOfB, u" 1"};
    for (size_t i = 0; i < std::size(everyOperation); ++i) {
        const Op operation = everyOperation[i];
        ExpectAnswer({operation, {u"1", badB, u"", u""}, {withGoodA[i], withGoodA[i] == faultOfB}});
        ExpectAnswer({operation, {u"1 ∞ 2", badB, u"-1", u"2"}, {u"Недопустимый символ: ∞", true}});
    }
}

}  // namespace
