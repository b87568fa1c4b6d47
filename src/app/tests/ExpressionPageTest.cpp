#include <gtest/gtest.h>

#include <string>

#include "ExpressionPage.h"

namespace {

struct PageCase {
    std::u16string input;
    std::u16string text;
    bool isMessage;
};

std::u16string Repeated(const std::u16string& part, size_t times) {
    std::u16string text;
    for (size_t i = 0; i < times; ++i) {
        text += part;
    }
    return text;
}

void ExpectAnswer(const PageCase& c) {
    const PageAnswer answer = ExpressionPageAnswer(c.input);
    const std::u16string shownInput = c.input.substr(0, 20);
    EXPECT_EQ(answer.text, c.text) << std::string(shownInput.begin(), shownInput.end());
    EXPECT_EQ(answer.isMessage, c.isMessage);
    EXPECT_EQ(answer.text.find(u"INF"), std::u16string::npos);
    EXPECT_EQ(answer.text.find(u"NAN"), std::u16string::npos);
}

TEST(ExpressionPage, ShowsTheValue) {
    const std::u16string tiny = u"0." + std::u16string(4000, u'0') + u"1";
    const PageCase cases[] = {
        {u"", u"0", false},
        {u"()", u"0", false},
        {u"2*(3-1.5)/4", u"0.75", false},
        {u"1/3", u"0.333333333333333", false},
        {u"1-2*(0-3)*(0-1)", u"-5", false},
        {u"999999999*999999999", u"9.99999998E17", false},
        {u"0.00001*3", u"3E-5", false},
        {tiny + u"*" + tiny, u"0", false},
        {Repeated(u"1+", 16383) + u"1", u"16384", false},
    };
    for (const PageCase& c : cases) {
        ExpectAnswer(c);
    }
}

TEST(ExpressionPage, ShowsTheCheckMessage) {
    const PageCase cases[] = {
        {u"1 + x", u"Недопустимый символ: x", true},
        {u"1 + 2", u"Недопустимый символ:  ", true},
        {u"2+ж", u"Недопустимый символ: ж", true},
        {u"2+Ё", u"Недопустимый символ: Ё", true},
        {u"2+中", u"Недопустимый символ: 中", true},
        {u"中+ж", u"Недопустимый символ: 中", true},
        {u"ж+中", u"Недопустимый символ: ж", true},
        {u"1+\U0001F600", u"Недопустимый символ: \U0001F600", true},
        {u"1..2+*3", u"Ошибка: \".\"", true},
        {u"-", u"Ошибка: \"+,-\"", true},
        {u"5+", u"Ошибка \"+,-,/,*\"", true},
        {u"*5", u"Ошибка \"*,/\"", true},
        {u"(1)2", u"Ошибка \")\"", true},
        {u"((1)", u"Ошибка \"()\"", true},
        {u"(1)(2)", u"Ошибка \"(\"", true},
    };
    for (const PageCase& c : cases) {
        ExpectAnswer(c);
    }
}

TEST(ExpressionPage, NamesArithmeticFaults) {
    const std::u16string huge(4000, u'9');
    const std::u16string big = u"1" + std::u16string(1000, u'0');
    const std::u16string overflow = huge + u"*" + huge;
    const PageCase cases[] = {
        {u"1/0", u"Деление на ноль", true},
        {u"0/0", u"Деление на ноль", true},
        {u"1/(2-2)", u"Деление на ноль", true},
        {u"1/0-1/0", u"Деление на ноль", true},
        {overflow, u"Переполнение", true},
        {u"0-" + overflow, u"Переполнение", true},
        {big + u"*" + big + u"*" + big + u"*" + big + u"*" + big, u"Переполнение", true},
        {overflow + u"-" + overflow, u"Переполнение", true},
        {overflow + u"*0", u"Переполнение", true},
        {u"2*3", u"6", false},
    };
    for (const PageCase& c : cases) {
        ExpectAnswer(c);
    }
}

TEST(ExpressionPage, ForgetsTheFaultsOfTheLastCalculation) {
    const PageCase cases[] = {
        {u"1/0", u"Деление на ноль", true},
        {u"1/2", u"0.5", false},
        {u"0/0", u"Деление на ноль", true},
        {u"1+x", u"Недопустимый символ: x", true},
        {u"0/5", u"0", false},
    };
    for (const PageCase& c : cases) {
        ExpectAnswer(c);
    }
}

}  // namespace
