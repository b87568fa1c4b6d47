// The expression and equations pages: box text in, result text and message flag out.
#include <gtest/gtest.h>

#include <initializer_list>

#include "EquationsPage.h"
#include "ExpressionPage.h"

namespace {

struct PageCase {
    std::u16string input;
    std::u16string text;
    bool isMessage;
};

void ExpectAnswers(PageAnswer (*page)(std::u16string_view), std::initializer_list<PageCase> cases) {
    for (const PageCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.input.substr(0, 40)));
        const PageAnswer answer = page(c.input);
        EXPECT_EQ(answer.text, c.text);
        EXPECT_EQ(answer.isMessage, c.isMessage);
    }
}

// A calculation shows its own arithmetic fault, never INF or NAN, and none of the last one's.
TEST(ExpressionPage, ShowsTheValueTheCheckMessageOrTheFault) {
    std::u16string terms = u"1";  // 16,384 terms: a full box
    for (int i = 1; i < 16384; ++i) {
        terms += u"+1";
    }
    ExpectAnswers(ExpressionPageAnswer, {{u"2*(3-1.5)/4", u"0.75", false},
                                         {u"中+ж", u"Недопустимый символ: 中", true},
                                         {u"1/0", u"Деление на ноль", true},
                                         {u"1/2", u"0.5", false},
                                         {terms, u"16384", false}});
}

TEST(EquationsPage, ShowsTheReportTheMessageOrTheFault) {
    const std::u16string huge = u"1" + std::u16string(3000, u'0');  // D = 1E6000 - 1
    ExpectAnswers(
        EquationsPageAnswer,
        {{u"x=5",
          u"Методом Крамера:\r\n\r\nD = ( 1 ) = 1\r\n\r\nx = ( 5 ) = 5\r\n\r\nОтвет:\r\nx = 5\r\n",
          false},
         {u"x+y=1\r\nx+y=2", u"Не имеет решения", true},
         {u"x=1\r\ny=\U0001F600", u"Недопустимый символ: \U0001F600", true},
         {huge + u"x+y=1\r\nx+" + huge + u"y=2", u"Переполнение", true}});
}

}  // namespace
