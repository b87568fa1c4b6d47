// The equations page: box 1021 in, "Решить", box 1023 out.
#include <string>

#include "NerolithTest.h"
#include "resource.h"

namespace {

struct EquationsCase {
    std::wstring system;
    std::wstring result;
};

class EquationsPageTest : public NerolithCaseTest<EquationsCase> {
protected:
    void SetUp() override {
        NerolithTest::SetUp();
        program.Click(IDC_PAGE_EQUATIONS);
    }
};

TEST_P(EquationsPageTest, ShowsTheReportOrTheMessage) {
    program.SetText(IDC_EQUATIONS_INPUT, GetParam().system);
    program.Click(IDC_EQUATIONS_SOLVE);
    EXPECT_EQ(program.Text(IDC_EQUATIONS_RESULT), GetParam().result);
    EXPECT_EQ(program.Text(IDC_EQUATIONS_INPUT), GetParam().system);

    program.Click(IDC_EQUATIONS_SOLVE);
    EXPECT_EQ(program.Text(IDC_EQUATIONS_RESULT), GetParam().result) << "replaced, not appended";
}

// A variable named by 9,000 letters.
const std::wstring kLongName = L"x" + std::wstring(8999, L'y');

// 1E2500: its square, in D, is past the largest Extended.
const std::wstring kHuge = L"1" + std::wstring(2500, L'0');

INSTANTIATE_TEST_SUITE_P(
    Systems, EquationsPageTest,
    testing::Values(
        EquationsCase{L"2x+y=5\r\nx-y=1",
                      L"Методом Крамера:\r\n\r\n"
                      L"D = ( 2  1\r\n      1 -1 ) = -3\r\n\r\n"
                      L"x = ( 5  1\r\n      1 -1 ) = -6\r\n\r\n"
                      L"y = ( 2 5\r\n      1 1 ) = -3\r\n\r\n"
                      L"Ответ:\r\nx = 2\r\ny = 1\r\n"},
        EquationsCase{L"2x=4",
                      L"Методом Крамера:\r\n\r\nD = ( 2 ) = 2\r\n\r\nx = ( 4 ) = 4\r\n\r\n"
                      L"Ответ:\r\nx = 2\r\n"},
        EquationsCase{L"x+y=1", L"Система не имеет единственного решения"},
        EquationsCase{L"x+y=1\r\nx+y=2", L"Не имеет решения"},
        EquationsCase{L"", L"Нету знака \"=\""},
        EquationsCase{L"2x + 3y = 5", L"Ошибка в написании уравнения"},
        EquationsCase{L"x=1\r\nя=2", L"Недопустимый символ: я"},
        EquationsCase{L"x+中=1", L"Недопустимый символ: 中"},
        EquationsCase{kHuge + L"x+y=1\r\nx-" + kHuge + L"y=0", L"Переполнение"},
        // 9,002 characters: the "=5" past the first 8,190 is read too.
        EquationsCase{kLongName + L"=5", L"Методом Крамера:\r\n\r\nD = ( 1 ) = 1\r\n\r\n" +
                                             kLongName + L" = ( 5 ) = 5\r\n\r\nОтвет:\r\n" +
                                             kLongName + L" = 5\r\n"}));

}  // namespace
