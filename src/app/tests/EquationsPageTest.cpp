#include "EquationsPage.h"
#include "PageCases.h"

namespace {

TEST(EquationsPage, ShowsTheReportOrTheMessage) {
    const std::u16string report =
        u"Методом Крамера:\r\n\r\nD = ( 2  1\r\n      1 -1 ) = -3\r\n\r\n"
        u"x = ( 5  1\r\n      1 -1 ) = -6\r\n\r\ny = ( 2 5\r\n      1 1 ) = -3\r\n\r\n"
        u"Ответ:\r\nx = 2\r\ny = 1\r\n";
    const std::u16string huge = u"1" + std::u16string(3000, u'0');
    const std::u16string tiny = u"0." + std::u16string(3999, u'0') + u"1";
    ExpectAnswers(
        EquationsPageAnswer,
        {{u"2x+y=5\r\nx-y=1", report, false},
         // Leading zeros put the whole system past what a box of 8190 characters would hold.
         {std::u16string(9000, u'0') + u"2x+y=5\r\nx-y=1", report, false},
         {u"x+y=1\r\nx+y=2", u"Не имеет решения", true},
         {u"х+y=1", u"Недопустимый символ: х", true},
         {u"x=1\r\ny=\U0001F600", u"Недопустимый символ: \U0001F600", true},
         // D = 1E6000 - 1; then x = 1E1000 / 1E-4000.
         {huge + u"x+y=1\r\nx+" + huge + u"y=2", u"Переполнение", true},
         {tiny + u"x=1" + std::u16string(1000, u'0'), u"Переполнение", true}});
}

}  // namespace
