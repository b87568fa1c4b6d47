// Switching pages with the buttons on the left.
#include <array>

#include "NerolithTest.h"
#include "resource.h"

namespace {

struct Page {
    int buttonId;
    const wchar_t* caption;
    int inputId;
};

constexpr std::array<Page, 3> kPages = {{
    {IDC_PAGE_EXPRESSION, L"Примеры", IDC_EXPRESSION_INPUT},
    {IDC_PAGE_MATRIX, L"Матрицы", IDC_MATRIX_A},
    {IDC_PAGE_EQUATIONS, L"Сист. уравнений", IDC_EQUATIONS_INPUT},
}};

class PageSwitchTest : public NerolithCaseTest<std::pair<Page, Page>> {
protected:
    // The chosen page is the only one shown, checked and named by the single tab.
    void ExpectShown(const Page& chosen) {
        EXPECT_EQ(program.TabCount(), 1);
        EXPECT_EQ(program.TabCaption(), chosen.caption);
        for (const Page& page : kPages) {
            const bool isChosen = page.buttonId == chosen.buttonId;
            EXPECT_EQ(IsWindowVisible(program.PageOf(page.inputId)) != FALSE, isChosen)
                << "page of " << page.inputId;
            EXPECT_EQ(program.IsChecked(page.buttonId), isChosen) << "button " << page.buttonId;
        }
    }
};

TEST_P(PageSwitchTest, ShowsTheChosenPageAndComesBack) {
    const auto& [from, to] = GetParam();
    program.Click(from.buttonId);
    ExpectShown(from);
    program.Click(to.buttonId);
    ExpectShown(to);
    program.Click(from.buttonId);
    ExpectShown(from);
}

std::vector<std::pair<Page, Page>> EveryPairOfPages() {
    std::vector<std::pair<Page, Page>> pairs;
    for (const Page& from : kPages) {
        for (const Page& to : kPages) {
            pairs.emplace_back(from, to);
        }
    }
    return pairs;
}

INSTANTIATE_TEST_SUITE_P(Pages, PageSwitchTest, testing::ValuesIn(EveryPairOfPages()));

using PageContentsTest = NerolithTest;

TEST_F(PageContentsTest, SwitchingPagesKeepsEveryBoxText) {
    const std::array<std::pair<int, std::wstring>, 7> typed = {{
        {IDC_EXPRESSION_INPUT, L"2*(3-1)"},
        {IDC_EXPRESSION_RESULT, L"своё"},
        {IDC_MATRIX_A, L"1 2\r\n3 4"},
        {IDC_MATRIX_B, L"5 6"},
        {IDC_MATRIX_EXPONENT, L"3"},
        {IDC_EQUATIONS_INPUT, L"x+y=2\r\nx-y=0"},
        {IDC_EQUATIONS_RESULT, L"заметка"},
    }};
    for (const auto& [id, text] : typed) {
        program.SetText(id, text);
    }
    for (const int button : {IDC_PAGE_MATRIX, IDC_PAGE_EQUATIONS, IDC_PAGE_EXPRESSION,
                             IDC_PAGE_EQUATIONS, IDC_PAGE_MATRIX}) {
        program.Click(button);
    }
    for (const auto& [id, text] : typed) {
        EXPECT_EQ(program.Text(id), text) << id;
    }
}

}  // namespace
