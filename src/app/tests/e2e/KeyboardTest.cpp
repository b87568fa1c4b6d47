// The window from the keyboard alone: real key input to the foreground window.
#include <functional>
#include <string>
#include <vector>

#include "NerolithTest.h"
#include "resource.h"

namespace {

using namespace std::chrono_literals;

class KeyboardTest : public NerolithTest {
protected:
    void SetUp() override {
        NerolithTest::SetUp();
        ASSERT_TRUE(program.BringToFront());
    }

    // Ctrl+digit chooses the page.
    void ChoosePage(char digit) const {
        PressKeys({VK_CONTROL, static_cast<WORD>(digit)});
        EXPECT_TRUE(
            WaitFor([&] { return program.IsChecked(IDC_PAGE_EXPRESSION + digit - '1'); }, 2s));
    }

    bool FocusComesTo(int id) const {
        return WaitFor([&] { return GetDlgCtrlID(program.Focus()) == id; }, 2s);
    }
};

// Ctrl+digit shows the page and puts the focus in its first box; Tab runs through the page as a
// reader takes it, on to the page's button and back; Shift+Tab goes back.
TEST_F(KeyboardTest, TabGoesThroughEachPageInReadingOrder) {
    const struct {
        char page;
        std::vector<int> order;
    } pages[] = {
        {'1',
         {IDC_EXPRESSION_INPUT, IDC_EXPRESSION_SOLVE, IDC_EXPRESSION_RESULT, IDC_PAGE_EXPRESSION,
          IDC_EXPRESSION_INPUT}},
        {'2',
         {IDC_MATRIX_A, IDC_MATRIX_B, IDC_MATRIX_DETERMINANT, IDC_MATRIX_SUM, IDC_MATRIX_POWER,
          IDC_MATRIX_EXPONENT, IDC_MATRIX_DIFFERENCE, IDC_MATRIX_BY_NUMBER, IDC_MATRIX_FACTOR,
          IDC_MATRIX_PRODUCT, IDC_MATRIX_TRANSPOSE, IDC_MATRIX_RESULT, IDC_PAGE_MATRIX,
          IDC_MATRIX_A}},
        {'3',
         {IDC_EQUATIONS_INPUT, IDC_EQUATIONS_SOLVE, IDC_EQUATIONS_CRAMER, IDC_EQUATIONS_RESULT,
          IDC_PAGE_EQUATIONS, IDC_EQUATIONS_INPUT}},
    };
    EXPECT_TRUE(FocusComesTo(IDC_EXPRESSION_INPUT)) << "the focus at start";
    for (const auto& [page, order] : pages) {
        SCOPED_TRACE(page);
        ChoosePage(page);
        EXPECT_TRUE(IsWindowVisible(program.PageOf(order[0])));
        EXPECT_EQ(program.TabCaption(), TextOf(program.Control(order[order.size() - 2])));
        std::vector<int> visited;
        for (const int expected : order) {
            FocusComesTo(expected);
            visited.push_back(GetDlgCtrlID(program.Focus()));
            PressKeys({VK_TAB});
        }
        EXPECT_EQ(visited, order);
        EXPECT_TRUE(FocusComesTo(order[1]));
        PressKeys({VK_SHIFT, VK_TAB});
        EXPECT_TRUE(FocusComesTo(order[0])) << "Shift+Tab";
    }
}

// Each chord, pressed in a box holding "x=1" with the caret at its end, and then the characters
// typed: what the box and the result box then hold.
TEST_F(KeyboardTest, KeysInTheBoxes) {
    const std::wstring report =
        L"Методом Крамера:\r\n\r\nD = ( 1 ) = 1\r\n\r\nx = ( 1 ) = 1\r\n\r\n"
        L"Ответ:\r\nx = 1\r\n";
    constexpr int kResultBoxes[] = {IDC_EXPRESSION_RESULT, IDC_MATRIX_RESULT, IDC_EQUATIONS_RESULT};
    const struct {
        char page;
        int box;
        std::vector<WORD> chord;
        const wchar_t* typed;
        std::wstring boxAfter, resultAfter;
    } cases[] = {
        {'1', IDC_EXPRESSION_INPUT, {VK_RETURN}, L"", L"x=1", L"Недопустимый символ: x"},
        {'2', IDC_MATRIX_A, {VK_RETURN}, L"", L"x=1\r\n", L""},
        {'2', IDC_MATRIX_B, {VK_RETURN}, L"", L"x=1\r\n", L""},
        {'3', IDC_EQUATIONS_INPUT, {VK_RETURN}, L"", L"x=1\r\n", L""},
        {'3', IDC_EQUATIONS_INPUT, {VK_CONTROL, VK_RETURN}, L"", L"x=1", report},
        {'3', IDC_EQUATIONS_INPUT, {VK_CONTROL, 'A'}, L"7", L"7", L""},
        {'3', IDC_EQUATIONS_INPUT, {VK_ESCAPE}, L"", L"x=1", L""},
        {'1', IDC_EXPRESSION_INPUT, {VK_ESCAPE}, L"", L"x=1", L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "box " << c.box << ", key " << c.chord.back());
        const int resultBox = kResultBoxes[c.page - '1'];
        ChoosePage(c.page);
        program.SetText(c.box, L"x=1");
        program.SetText(resultBox, L"");
        SendMessageW(program.PageOf(c.box), WM_NEXTDLGCTL,
                     reinterpret_cast<WPARAM>(program.Control(c.box)), TRUE);
        ASSERT_TRUE(FocusComesTo(c.box));
        SendMessageW(program.Control(c.box), EM_SETSEL, 3, 3);
        PressKeys(c.chord);
        TypeText(c.typed);
        EXPECT_TRUE(WaitFor([&] { return program.Text(resultBox) == c.resultAfter; }, 2s))
            << "result: " << testing::PrintToString(program.Text(resultBox));
        EXPECT_TRUE(WaitFor([&] { return program.Text(c.box) == c.boxAfter; }, 2s))
            << "box: " << testing::PrintToString(program.Text(c.box));
        EXPECT_TRUE(IsWindowVisible(program.PageOf(c.box))) << "the page stays";
        EXPECT_TRUE(IsWindowVisible(program.MainWindow()));
    }
}

// A character past the 16-bit range, typed as its two UTF-16 units, arrives whole, and the
// page names it whole.
TEST_F(KeyboardTest, CharacterOutsideTheBasicPlaneIsTypedAndNamed) {
    const std::wstring character = L"\U0001D465";  // mathematical italic x
    ASSERT_TRUE(FocusComesTo(IDC_EXPRESSION_INPUT));
    TypeText(L"2+" + character);
    EXPECT_TRUE(
        WaitFor([&] { return program.Text(IDC_EXPRESSION_INPUT) == L"2+" + character; }, 2s));
    PressKeys({VK_RETURN});
    EXPECT_TRUE(WaitFor(
        [&] { return program.Text(IDC_EXPRESSION_RESULT) == L"Недопустимый символ: " + character; },
        2s))
        << testing::PrintToString(program.Text(IDC_EXPRESSION_RESULT));
}

TEST_F(KeyboardTest, EscapeClosesTheAboutBox) {
    program.PostCommand(IDM_ABOUT);
    const HWND about = program.WaitForDialog(L"О программе...");
    ASSERT_NE(about, nullptr);
    PressKeys({VK_ESCAPE});
    EXPECT_TRUE(WaitUntilGone(about, 5s));
    EXPECT_TRUE(IsWindowVisible(program.MainWindow()));
}

}  // namespace
