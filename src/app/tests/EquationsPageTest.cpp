#include <gtest/gtest.h>

#include <string>

#include "EquationsPage.h"

namespace {

struct PageCase {
    std::u16string input;
    std::u16string text;
    bool isMessage;
};

void ExpectAnswer(const PageCase& c) {
    const PageAnswer answer = EquationsPageAnswer(c.input);
    const std::u16string shownInput = c.input.substr(0, 40);
    EXPECT_EQ(answer.text, c.text) << testing::PrintToString(shownInput);
    EXPECT_EQ(answer.isMessage, c.isMessage) << testing::PrintToString(shownInput);
}

const std::u16string kExampleReport =
    u"Методом Крамера:\r\n\r\nD = ( 2  1\r\n      1 -1 ) = -3\r\n\r\n"
    u"x = ( 5  1\r\n      1 -1 ) = -6\r\n\r\ny = ( 2 5\r\n      1 1 ) = -3\r\n\r\n"
    u"Ответ:\r\nx = 2\r\ny = 1\r\n";

TEST(EquationsPage, ShowsTheReport) {
    // Leading zeros make the first coefficient longer than any box read of 8190 characters.
    const std::u16string longCoefficient = std::u16string(9000, u'0') + u"2";
    const PageCase cases[] = {
        {u"2x+y=5\r\nx-y=1", kExampleReport, false},
        {u"2x=4",
         u"Методом Крамера:\r\n\r\nD = ( 2 ) = 2\r\n\r\nx = ( 4 ) = 4\r\n\r\nОтвет:\r\nx = 2\r\n",
         false},
        {longCoefficient + u"x+y=5\r\nx-y=1", kExampleReport, false},
    };
    for (const PageCase& c : cases) {
        ExpectAnswer(c);
    }
}

TEST(EquationsPage, ShowsTheSolversMessage) {
    const PageCase cases[] = {
        {u"x+y=1", u"Система не имеет единственного решения", true},
        {u"x=1\r\nx=2", u"Дано лишнее уравнение. Уберите одно из равенств", true},
        {u"x+y=1\r\nx+y=2", u"Не имеет решения", true},
        {u"x+y=1\r\n2x+2y=2", u"Система не имеет единственного решения", true},
    };
    for (const PageCase& c : cases) {
        ExpectAnswer(c);
    }
}

TEST(EquationsPage, ShowsTheCheckMessage) {
    const PageCase cases[] = {
        {u"", u"Нету знака \"=\"", true},
        {u"2x + 3y = 5", u"Ошибка в написании уравнения", true},
        {u"2x+3y=5 ", u"Недопустимый символ:  ", true},
        {u"х+y=1", u"Недопустимый символ: х", true},
        {u"x+y=1\r\nx-y=中", u"Недопустимый символ: 中", true},
        {u"x=1\r\ny=\U0001F600", u"Недопустимый символ: \U0001F600", true},
        {u"x=,\r\ny=中", u"Недопустимый символ: ,", true},
        {u"x=中\r\ny=ж", u"Недопустимый символ: 中", true},
        {u"x=\uFFFD", u"Недопустимый символ: \uFFFD", true},
    };
    for (const PageCase& c : cases) {
        ExpectAnswer(c);
    }
}

TEST(EquationsPage, ShowsOverflowInPlaceOfInfinity) {
    const std::u16string huge = u"1" + std::u16string(3000, u'0');          // 1E3000
    const std::u16string tiny = u"0." + std::u16string(3999, u'0') + u"1";  // 1E-4000
    const PageCase cases[] = {
        // D = 1E6000 - 1.
        {huge + u"x+y=1\r\nx+" + huge + u"y=2", u"Переполнение", true},
        // D = 1E-4000 and x = 1E1000 / D.
        {tiny + u"x=1" + std::u16string(1000, u'0'), u"Переполнение", true},
        // A free term beyond the largest number.
        {u"x=1" + std::u16string(5000, u'0'), u"Переполнение", true},
    };
    for (const PageCase& c : cases) {
        ExpectAnswer(c);
    }
}

}  // namespace
