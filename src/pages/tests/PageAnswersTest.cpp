// The three pages: box texts in, result text and message flag out.
#include <gtest/gtest.h>

#include "EquationsPage.h"
#include "ExpressionPage.h"
#include "MatrixPage.h"
#include "uMatrixes.h"

namespace {

using Op = MatrixOperation;

PageAnswer Matrix(Op operation, std::u16string_view a, std::u16string_view b = u"",
                  std::u16string_view exponent = u"", std::u16string_view factor = u"") {
    return MatrixPageAnswer(operation, {a, b, exponent, factor});
}

// count copies of item, separator between them.
std::u16string Joined(std::u16string_view item, std::u16string_view separator, size_t count) {
    std::u16string text(item);
    for (size_t i = 1; i < count; ++i) {
        text.append(separator).append(item);
    }
    return text;
}

// The product of a column of 500 ones by a row of 500 ones, as the matrix unit writes it.
std::u16string OnesProduct() {
    std::string text;
    MatrixToText(TwoDimDynA(500, ArrayOfExtended(500, 1)), text, 0);
    return FromCp1251(text);
}

void ExpectShown(const PageAnswer& answer, const std::u16string& text, bool isMessage) {
    EXPECT_EQ(answer.text, text);
    EXPECT_EQ(answer.isMessage, isMessage);
}

// A calculation shows its own arithmetic fault, never INF or NAN, and none of the last one's; an
// invalid character is named as typed. At most 250,000 elements in a product.
TEST(Pages, ShowTheResultTheCheckMessageOrTheFault) {
    const std::u16string square = u"1 2\r\n3 4";
    const std::u16string twoByThree = u"1 2 3\r\n4 5 6";
    const std::u16string row500 = Joined(u"1", u" ", 500);
    const std::u16string huge = u"1" + std::u16string(3000, u'0');  // D = 1E6000 - 1
    const struct {
        PageAnswer answer;
        std::u16string text;
        bool isMessage;
    } cases[] = {
        {ExpressionPageAnswer(u"2*(3-1.5)/4"), u"0.75", false},
        {ExpressionPageAnswer(u"ж+中"), u"Недопустимый символ: ж", true},
        {ExpressionPageAnswer(u"1/0"), u"Деление на ноль", true},
        {ExpressionPageAnswer(u"1/2"), u"0.5", false},
        {ExpressionPageAnswer(Joined(u"1", u"+", 16384)), u"16384", false},
        {EquationsPageAnswer(u"x=5"),
         u"Методом Крамера:\r\n\r\nD = ( 1 ) = 1\r\n\r\nx = ( 5 ) = 5\r\n\r\nОтвет:\r\nx = 5\r\n",
         false},
        {EquationsPageAnswer(u"x+y=1\r\nx+y=2"), u"Не имеет решения", true},
        {EquationsPageAnswer(u"x=1\r\ny=\U0001F600"), u"Недопустимый символ: \U0001F600", true},
        {EquationsPageAnswer(huge + u"x+y=1\r\nx+" + huge + u"y=2"), u"Переполнение", true},
        {Matrix(Op::Determinant, square), u"-2", false},
        {Matrix(Op::Sum, square, u"10 20\r\n30 40"), u" 11 22\r\n 33 44", false},
        {Matrix(Op::Difference, square, u"1 1\r\n1 1"), u" 0 1\r\n 2 3", false},
        {Matrix(Op::Transpose, u"  1   2  \r\n 3 4  "), u" 1 3\r\n 2 4", false},
        {Matrix(Op::Power, square, u"", u"2"), u"  7 10\r\n 15 22", false},
        {Matrix(Op::Power, square), u" 1 2\r\n 3 4", false},
        {Matrix(Op::Power, square, u"", u"-1"), u"Показатель степени должен быть неотрицательным",
         true},
        {Matrix(Op::Power, twoByThree, u"", u"-1"), u"Матрица не квадратная", true},
        {Matrix(Op::ByNumber, square, u"", u"", u"-2"), u" -2 -4\r\n -6 -8", false},
        {Matrix(Op::Sum, square, twoByThree), u"Матрицы разного порядка", true},
        {Matrix(Op::Product, twoByThree, twoByThree), u"Матрицы не сопряжены", true},
        {Matrix(Op::Product, Joined(u"1", u"\r\n", 500), row500), OnesProduct(), false},
        {Matrix(Op::Product, Joined(u"1", u"\r\n", 501), row500),
         u"Матрица результата слишком велика", true},
        {Matrix(Op::Transpose, u"1" + std::u16string(5000, u'0')), u"Переполнение", true}};
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(testing::Message() << "row " << i);
        ExpectShown(cases[i].answer, cases[i].text, cases[i].isMessage);
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
        SCOPED_TRACE(testing::Message() << "operation " << i);
        ExpectShown(Matrix(everyOperation[i], u"1", badB), withGoodA[i], withGoodA[i] == faultOfB);
        ExpectShown(Matrix(everyOperation[i], u"1 ∞ 2", badB, u"-1", u"2"),
                    u"Недопустимый символ: ∞", true);
    }
}

}  // namespace
