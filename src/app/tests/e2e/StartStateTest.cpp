// The window as it comes up: its class, frame, page buttons, tab and pages.

#include <vector>

#include "NerolithTest.h"
#include "resource.h"

namespace {

using StartStateTest = NerolithTest;

TEST_F(StartStateTest, MainWindowHasItsClassTitleAndFixedSize) {
    wchar_t className[64] = {};
    GetClassNameW(program.MainWindow(), className, 64);
    EXPECT_STREQ(className, L"TNerolithWindow");
    wchar_t title[64] = {};
    GetWindowTextW(program.MainWindow(), title, 64);
    EXPECT_STREQ(title, L"Nerolith");

    RECT frame{};
    GetWindowRect(program.MainWindow(), &frame);
    EXPECT_EQ(frame.right - frame.left, 588);
    EXPECT_EQ(frame.bottom - frame.top, 405);

    const LONG style = GetWindowLongW(program.MainWindow(), GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME) << "the window must not be sizable";
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
}

struct PageStart {
    int buttonId;
    const wchar_t* caption;
    int controlOnPage;
    bool shown;
};

class PageAtStartTest : public NerolithCaseTest<PageStart> {};

TEST_P(PageAtStartTest, OnlyTheExpressionPageIsShownAndItsButtonChecked) {
    const PageStart& page = GetParam();
    EXPECT_EQ(program.Text(page.buttonId), page.caption);
    EXPECT_EQ(program.IsChecked(page.buttonId), page.shown);
    EXPECT_EQ(IsWindowVisible(program.PageOf(page.controlOnPage)) != FALSE, page.shown);
    EXPECT_EQ(GetParent(program.PageOf(page.controlOnPage)), program.TabControl());
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PageAtStartTest,
    testing::Values(PageStart{IDC_PAGE_EXPRESSION, L"Примеры", IDC_EXPRESSION_INPUT, true},
                    PageStart{IDC_PAGE_MATRIX, L"Матрицы", IDC_MATRIX_A, false},
                    PageStart{IDC_PAGE_EQUATIONS, L"Сист. уравнений", IDC_EQUATIONS_INPUT, false}));

TEST_F(StartStateTest, OneTabNamesTheExpressionPage) {
    EXPECT_EQ(program.TabCount(), 1);
    EXPECT_EQ(program.TabCaption(), L"Примеры");
}

TEST_F(StartStateTest, PageButtonsStandInOneColumnTopToBottom) {
    std::vector<RECT> frames;
    for (const int id : {IDC_PAGE_EXPRESSION, IDC_PAGE_MATRIX, IDC_PAGE_EQUATIONS}) {
        RECT frame{};
        GetWindowRect(program.Control(id), &frame);
        frames.push_back(frame);
        EXPECT_EQ(frame.right - frame.left, 97);
        EXPECT_EQ(frame.bottom - frame.top, 41);
    }
    EXPECT_EQ(frames[1].top - frames[0].top, 40);
    EXPECT_EQ(frames[2].top - frames[1].top, 40);
    EXPECT_EQ(frames[0].left, frames[2].left);
}

TEST_F(StartStateTest, CramerRadioIsCheckedAndItsNoteGreyed) {
    EXPECT_TRUE(program.IsChecked(IDC_EQUATIONS_CRAMER));
    EXPECT_EQ(program.Text(IDC_EQUATIONS_CRAMER), L"Методом Крамера");
    bool noteFound = false;
    for (const ControlInfo& control : program.ChildrenOf(program.PageOf(IDC_EQUATIONS_INPUT))) {
        if (control.text == L"Пока доступно только Методом Крамера") {
            noteFound = true;
            EXPECT_FALSE(IsWindowEnabled(control.window)) << "the note must be disabled";
        }
    }
    EXPECT_TRUE(noteFound);

    program.Click(IDC_EQUATIONS_CRAMER);
    EXPECT_TRUE(program.IsChecked(IDC_EQUATIONS_CRAMER)) << "the only radio button stays checked";
}

TEST_F(StartStateTest, ExponentAndFactorBoxesTakeTwoCharacters) {
    for (const int id : {IDC_MATRIX_EXPONENT, IDC_MATRIX_FACTOR}) {
        EXPECT_EQ(SendMessageW(program.Control(id), EM_GETLIMITTEXT, 0, 0), 2) << id;
    }
}

}  // namespace
