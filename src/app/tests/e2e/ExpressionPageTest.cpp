// The expression page: box 1001 in, "Решить", box 1002 out.
#include <string>

#include "NerolithTest.h"
#include "resource.h"

namespace {

struct ExpressionCase {
    std::wstring input;
    std::wstring result;
};

class ExpressionPageTest : public NerolithCaseTest<ExpressionCase> {};

TEST_P(ExpressionPageTest, ShowsTheValueOrTheMessage) {
    program.SetText(IDC_EXPRESSION_INPUT, GetParam().input);
    program.SetText(IDC_EXPRESSION_RESULT, L"старый текст");
    program.Click(IDC_EXPRESSION_SOLVE);
    EXPECT_EQ(program.Text(IDC_EXPRESSION_RESULT), GetParam().result);
    EXPECT_EQ(program.Text(IDC_EXPRESSION_INPUT), GetParam().input) << "the input stays as typed";

    program.Click(IDC_EXPRESSION_SOLVE);
    EXPECT_EQ(program.Text(IDC_EXPRESSION_RESULT), GetParam().result) << "replaced, not appended";
}

std::wstring Repeated(const std::wstring& piece, int times, const std::wstring& last) {
    std::wstring text;
    for (int i = 0; i < times; ++i) {
        text += piece;
    }
    return text + last;
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, ExpressionPageTest,
    testing::Values(
        ExpressionCase{L"2*(3-1.5)/4", L"0.75"}, ExpressionCase{L"", L"0"},
        ExpressionCase{L"-5+3", L"-2"}, ExpressionCase{L"1 + 2", L"Недопустимый символ:  "},
        ExpressionCase{L"2,5", L"Недопустимый символ: ,"},
        ExpressionCase{L"((1)", L"Ошибка \"()\""}, ExpressionCase{L"2*-3", L"Ошибка \"+,-,/,*\""},
        ExpressionCase{L"1/0", L"Деление на ноль"}, ExpressionCase{L"0/0", L"Деление на ноль"},
        ExpressionCase{Repeated(L"999999999*", 600, L"9"), L"Переполнение"},
        ExpressionCase{L"2+中", L"Недопустимый символ: 中"},
        ExpressionCase{L"1+ж", L"Недопустимый символ: ж"},
        // 1,401 characters: the whole text counts, not its first 1,022.
        ExpressionCase{Repeated(L"1+", 700, L"1"), L"701"}));

}  // namespace
