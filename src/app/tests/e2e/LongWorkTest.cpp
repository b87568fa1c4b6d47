// A long calculation, "A^" 99 on a 300 x 300 matrix: the window goes on answering and shows its
// progress, also on other pages and under the About box; Escape stops it. Run to the end (on
// 120 x 120, a fifth of a second's work), the answer is the page's in this process; closed while
// it runs, the program ends at once.
#include <string>

#include "MatrixPage.h"
#include "ProgramDriver.h"
#include "resource.h"

namespace {

using std::chrono::steady_clock;

// n rows of n digits.
std::wstring DigitMatrix(size_t n) {
    std::wstring text;
    for (size_t i = 0; i < n * n; ++i) {
        text += i == 0 ? L"" : i % n == 0 ? L"\r\n" : L" ";
        text += static_cast<wchar_t>(L'0' + (i * i + i / n) % 10);
    }
    return text;
}

// Wine waits up to 2 s for a window manager that Xvfb lacks whenever a window that it lets one
// manage is hidden, closing included; a program started while this is off places its own.
void LetWindowManagerManage(bool managed) {
    HKEY key = nullptr;
    RegCreateKeyW(HKEY_CURRENT_USER, L"Software\\Wine\\X11 Driver", &key);
    RegSetValueExW(key, L"Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>(managed ? L"Y" : L"N"),
                   4);
    RegCloseKey(key);
}

TEST(LongWorkTest, AnswersShowsProgressStopsAndEndsWithTheWindow) {
    LetWindowManagerManage(false);
    const NerolithProcess program(kProgram);
    LetWindowManagerManage(true);
    const std::wstring before = L"прежний текст";
    const std::wstring a300 = DigitMatrix(300);
    // Presses "A^" with 99 on A = `a`, the result box holding `before`.
    const auto startPower = [&](const std::wstring& a) {
        program.Click(IDC_PAGE_MATRIX);
        program.SetText(IDC_MATRIX_A, a);
        program.SetText(IDC_MATRIX_EXPONENT, L"99");
        program.SetText(IDC_MATRIX_RESULT, before);
        program.Click(IDC_MATRIX_POWER);
    };
    const auto running = [&] { return program.Text(IDC_MATRIX_POWER) == L"Остановить"; };
    const auto bar = [&] {
        return FindWindowExW(GetParent(program.Control(IDC_MATRIX_A)), nullptr, PROGRESS_CLASSW,
                             nullptr);
    };
    startPower(a300);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(bar()); }, 2s));
    EXPECT_TRUE(running());
    EXPECT_FALSE(IsWindowEnabled(program.Control(IDC_MATRIX_DETERMINANT)));
    EXPECT_FALSE(IsWindowEnabled(program.Control(IDC_MATRIX_EXACT)));
    EXPECT_TRUE(GetWindowLongW(program.Control(IDC_MATRIX_A), GWL_STYLE) & ES_READONLY);
    EXPECT_EQ(AccessibleName(bar()), L"Ход вычисления");
    const LRESULT first = SendMessageW(bar(), PBM_GETPOS, 0, 0);
    for (int i = 0; i < 10; ++i) {
        const auto start = steady_clock::now();
        EXPECT_NE(
            SendMessageTimeoutW(program.MainWindow(), WM_NULL, 0, 0, SMTO_NORMAL, 100, nullptr), 0);
        EXPECT_LT(steady_clock::now() - start, 100ms);
        std::this_thread::sleep_for(50ms);
    }
    EXPECT_GT(SendMessageW(bar(), PBM_GETPOS, 0, 0), first) << "the bar moves";
    ASSERT_TRUE(program.BringToFront());
    PressKeys({VK_CONTROL, 'O'});
    EXPECT_EQ(program.WaitForShown(nullptr, 1s), nullptr) << "no file opens into a working page";
    // Other pages and the About box while it runs.
    program.Click(IDC_PAGE_EXPRESSION);
    EXPECT_EQ(program.TabCaption(), L"Примеры");
    PostMessageW(program.MainWindow(), WM_COMMAND, IDM_ABOUT, 0);
    const HWND about = program.WaitForShown(L"О программе...");
    ASSERT_NE(about, nullptr);
    PostMessageW(about, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(about); }, 5s));
    program.Click(IDC_PAGE_MATRIX);
    ASSERT_TRUE(running()) << "still running after the page switch and the About box";
    ASSERT_TRUE(program.BringToFront());
    const auto escape = steady_clock::now();
    PressKeys({VK_ESCAPE});
    while (running() && steady_clock::now() - escape < 5s) {
        std::this_thread::sleep_for(5ms);
    }
    EXPECT_LT(steady_clock::now() - escape, 200ms);
    EXPECT_EQ(program.Text(IDC_MATRIX_RESULT), before);
    EXPECT_EQ(bar(), nullptr);
    EXPECT_TRUE(IsWindowEnabled(program.Control(IDC_MATRIX_DETERMINANT)));
    const std::wstring a = DigitMatrix(120);
    startPower(a);
    ASSERT_TRUE(WaitFor([&] { return program.Text(IDC_MATRIX_RESULT) != before; }, 60s));
    const std::u16string a16(a.begin(), a.end());
    const std::u16string expected =
        MatrixPageAnswer(MatrixOperation::Power, {a16, u"", u"99", u""}).text;
    EXPECT_EQ(program.Text(IDC_MATRIX_RESULT), std::wstring(expected.begin(), expected.end()));
    startPower(a300);
    ASSERT_TRUE(WaitFor(running, 2s));
    PostMessageW(program.MainWindow(), WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(program.Process(), 1000), WAIT_OBJECT_0);
}

}  // namespace
