#include "ExpressionPage.h"
#include "PageCases.h"

namespace {

TEST(ExpressionPage, ShowsTheValueOrTheCheckMessage) {
    ExpectAnswers(ExpressionPageAnswer,
                  {{u"2*(3-1.5)/4", u"0.75", false},
                   {u"((1)", u"Ошибка \"()\"", true},
                   {u"2+ж", u"Недопустимый символ: ж", true},
                   {u"中+ж", u"Недопустимый символ: 中", true},
                   {u"1+\U0001F600", u"Недопустимый символ: \U0001F600", true},
                   {Repeated(u"1+", 16383) + u"1", u"16384", false}});
}

// Each calculation shows its own arithmetic fault, never INF or NAN, and none of the last one's.
TEST(ExpressionPage, NamesTheArithmeticFaultsOfThisCalculation) {
    const std::u16string huge(4000, u'9');
    const std::u16string overflow = huge + u"*" + huge;
    ExpectAnswers(ExpressionPageAnswer, {{u"1/0", u"Деление на ноль", true},
                                         {u"1/2", u"0.5", false},
                                         {overflow, u"Переполнение", true},
                                         {overflow + u"-" + overflow, u"Переполнение", true},
                                         {u"0/5", u"0", false}});
}

}  // namespace
