// The main window: its frame, the page buttons on the left and the pages in the tab control.
#include "NerolithTest.h"
#include "resource.h"

namespace {

struct Page {
    int buttonId;
    const wchar_t* caption;
    int inputId;
};

constexpr Page kPages[] = {{IDC_PAGE_EXPRESSION, L"Примеры", IDC_EXPRESSION_INPUT},
                           {IDC_PAGE_MATRIX, L"Матрицы", IDC_MATRIX_A},
                           {IDC_PAGE_EQUATIONS, L"Сист. уравнений", IDC_EQUATIONS_INPUT}};

using WindowTest = NerolithTest;

// Its rectangles are checked at every display scale (LayoutTest).
TEST_F(WindowTest, HasItsTitleMenuAndAFixedSize) {
    EXPECT_EQ(TextOf(program.MainWindow()), L"Nerolith");
    EXPECT_NE(GetMenu(program.MainWindow()), nullptr);
    const LONG style = GetWindowLongW(program.MainWindow(), GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME | WS_MAXIMIZEBOX),
              WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX)
        << "a window that cannot be resized or maximised";
    for (const Page& page : kPages) {
        EXPECT_EQ(program.Text(page.buttonId), page.caption);
        EXPECT_EQ(GetParent(program.PageOf(page.inputId)), program.TabControl());
    }
}

// Each button, clicked from every page and from its own: its page alone is shown, its button
// alone checked, the single tab names it, and no box loses its text.
TEST_F(WindowTest, ShowsTheChosenPageAndKeepsEveryBoxText) {
    const TypedBoxes typed = {
        {IDC_EXPRESSION_INPUT, L"2*(3-1)"}, {IDC_EXPRESSION_RESULT, L"своё"},
        {IDC_MATRIX_A, L"1 2\r\n3 4"},      {IDC_MATRIX_EXPONENT, L"3"},
        {IDC_EQUATIONS_INPUT, L"x+y=2"},    {IDC_EQUATIONS_RESULT, L"заметка"}};
    for (const auto& [id, text] : typed) {
        program.SetText(id, text);
    }
    const auto expectShown = [&](const Page& chosen) {
        EXPECT_EQ(program.TabCount(), 1);
        EXPECT_EQ(program.TabCaption(), chosen.caption);
        for (const Page& page : kPages) {
            EXPECT_EQ(IsWindowVisible(program.PageOf(page.inputId)) != FALSE, &page == &chosen);
            EXPECT_EQ(program.IsChecked(page.buttonId), &page == &chosen);
        }
    };
    expectShown(kPages[0]);
    for (const int chosen : {0, 1, 1, 2, 2, 0, 2, 1, 0}) {
        SCOPED_TRACE(kPages[chosen].caption);
        program.Click(kPages[chosen].buttonId);
        expectShown(kPages[chosen]);
    }
    for (const auto& [id, text] : typed) {
        EXPECT_EQ(program.Text(id), text) << id;
    }
}

}  // namespace
