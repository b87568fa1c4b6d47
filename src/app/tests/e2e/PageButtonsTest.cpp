// The three pages: boxes in, a button, the result box out.
#include <algorithm>
#include <string>

#include "NerolithTest.h"
#include "resource.h"

namespace {

using PageButtonsTest = NerolithTest;

TEST_F(PageButtonsTest, ExpressionPageShowsTheValueOrTheMessage) {
    const std::pair<std::wstring, std::wstring> cases[] = {{L"2*(3-1.5)/4", L"0.75"},
                                                           {L"((1)", L"Ошибка \"()\""},
                                                           {L"1/0", L"Деление на ноль"},
                                                           {L"2+中", L"Недопустимый символ: 中"}};
    for (const auto& [input, result] : cases) {
        SCOPED_TRACE(input);
        ExpectPress({{IDC_EXPRESSION_INPUT, input}}, IDC_EXPRESSION_SOLVE, IDC_EXPRESSION_RESULT,
                    result);
    }
}

TEST_F(PageButtonsTest, EveryMatrixButtonShowsItsResult) {
    program.Click(IDC_PAGE_MATRIX);
    for (const int id : {IDC_MATRIX_EXPONENT, IDC_MATRIX_FACTOR}) {
        EXPECT_EQ(SendMessageW(program.Control(id), EM_GETLIMITTEXT, 0, 0), 2) << id;
    }
    const std::wstring a = L"1 2\r\n3 4";
    const std::wstring ones = L"1 1\r\n1 1";
    std::wstring row;  // 1 to 1,300: 5,391 characters, read and written whole
    std::wstring column;
    for (int n = 1; n <= 1300; ++n) {
        const std::wstring number = std::to_wstring(n);
        row += (n > 1 ? L" " : L"") + number;
        column += (n > 1 ? L"\r\n" : L"") + std::wstring(5 - number.size(), L' ') + number;
    }
    const struct {
        int button;
        std::wstring a, b, exponent, factor, result;
    } cases[] = {
        {IDC_MATRIX_DETERMINANT, a, L"мусор", L"", L"", L"-2"},
        {IDC_MATRIX_DETERMINANT, L"1 2 3", L"", L"", L"", L"Матрица не квадратная"},
        {IDC_MATRIX_SUM, a, ones, L"", L"", L" 2 3\r\n 4 5"},
        {IDC_MATRIX_POWER, a, L"", L"2", L"", L"  7 10\r\n 15 22"},
        {IDC_MATRIX_POWER, L"1" + std::wstring(60, L'0'), L"", L"99", L"", L"Переполнение"},
        {IDC_MATRIX_DIFFERENCE, a, ones, L"", L"", L" 0 1\r\n 2 3"},
        {IDC_MATRIX_BY_NUMBER, a, L"", L"", L"3", L" 3  6\r\n 9 12"},
        {IDC_MATRIX_PRODUCT, a, ones, L"", L"", L" 3 3\r\n 7 7"},
        {IDC_MATRIX_TRANSPOSE, a, L"", L"", L"", L" 1 3\r\n 2 4"},
        {IDC_MATRIX_TRANSPOSE, row, L"", L"", L"", column},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "button " << c.button);
        ExpectPress({{IDC_MATRIX_A, c.a},
                     {IDC_MATRIX_B, c.b},
                     {IDC_MATRIX_EXPONENT, c.exponent},
                     {IDC_MATRIX_FACTOR, c.factor}},
                    c.button, IDC_MATRIX_RESULT, c.result);
    }
}

TEST_F(PageButtonsTest, EquationsPageShowsTheReportOrTheMessage) {
    program.Click(IDC_PAGE_EQUATIONS);
    const std::vector<HWND> controls = Descendants(program.PageOf(IDC_EQUATIONS_INPUT));
    const auto note = std::ranges::find_if(controls, [](HWND control) {
        return TextOf(control) == L"Пока доступно только Методом Крамера";
    });
    ASSERT_NE(note, controls.end());
    EXPECT_FALSE(IsWindowEnabled(*note)) << "the note is greyed";
    EXPECT_EQ(program.Text(IDC_EQUATIONS_CRAMER), L"Методом Крамера");
    EXPECT_TRUE(program.IsChecked(IDC_EQUATIONS_CRAMER));
    program.Click(IDC_EQUATIONS_CRAMER);
    EXPECT_TRUE(program.IsChecked(IDC_EQUATIONS_CRAMER)) << "the only radio button stays checked";

    const std::wstring huge = L"1" + std::wstring(2500, L'0');  // its square is past the largest
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"2x+y=5\r\nx-y=1",
         L"Методом Крамера:\r\n\r\nD = ( 2  1\r\n      1 -1 ) = -3\r\n\r\n"
         L"x = ( 5  1\r\n      1 -1 ) = -6\r\n\r\ny = ( 2 5\r\n      1 1 ) = -3\r\n\r\n"
         L"Ответ:\r\nx = 2\r\ny = 1\r\n"},
        {L"x+y=1", L"Система не имеет единственного решения"},
        {huge + L"x+y=1\r\nx-" + huge + L"y=0", L"Переполнение"}};
    for (const auto& [system, result] : cases) {
        SCOPED_TRACE(system.substr(0, 20));
        ExpectPress({{IDC_EQUATIONS_INPUT, system}}, IDC_EQUATIONS_SOLVE, IDC_EQUATIONS_RESULT,
                    result);
    }
}

}  // namespace
