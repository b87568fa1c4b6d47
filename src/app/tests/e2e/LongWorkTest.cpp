// A long calculation, "A^" 99 on a 300 x 300 matrix: the window goes on answering and shows its
// progress, Escape stops it, and closing the window ends it.
#include <random>
#include <string>

#include "MatrixPage.h"
#include "ProgramDriver.h"
#include "resource.h"

namespace {

using std::chrono::steady_clock;

// n rows of n random digits.
std::wstring DigitMatrix(size_t n) {
    std::mt19937 random(static_cast<unsigned>(n));
    std::wstring text;
    for (size_t i = 0; i < n * n; ++i) {
        text += i == 0 ? L"" : i % n == 0 ? L"\r\n" : L" ";
        text += static_cast<wchar_t>(L'0' + random() % 10);
    }
    return text;
}

// Wine waits up to 2 s for a window manager that Xvfb lacks whenever a window that it lets one
// manage is hidden, closing included; a program started while this is off places its own.
bool LetWindowManagerManage(bool managed) {
    HKEY key = nullptr;
    RegCreateKeyW(HKEY_CURRENT_USER, L"Software\\Wine\\X11 Driver", &key);
    if (managed) {
        RegDeleteValueW(key, L"Managed");
    } else {
        RegSetValueExW(key, L"Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"N"), 4);
    }
    RegCloseKey(key);
    return managed;
}

class LongWorkTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(program.BringToFront()); }
    // Presses "A^" with 99 on A = `a`, the result box holding kBefore.
    void StartPower(const std::wstring& a) const {
        program.Click(IDC_PAGE_MATRIX);
        program.SetText(IDC_MATRIX_A, a);
        program.SetText(IDC_MATRIX_EXPONENT, L"99");
        program.SetText(IDC_MATRIX_RESULT, kBefore);
        program.Click(IDC_MATRIX_POWER);
    }
    bool Running() const { return program.Text(IDC_MATRIX_POWER) == L"Остановить"; }
    HWND ProgressBar() const {
        return FindWindowExW(GetParent(program.Control(IDC_MATRIX_A)), nullptr, PROGRESS_CLASSW,
                             nullptr);
    }
    int Position() const { return static_cast<int>(SendMessageW(ProgressBar(), PBM_GETPOS, 0, 0)); }

    bool managed_ = LetWindowManagerManage(false);
    NerolithProcess program{kProgram};
    bool managedAgain_ = LetWindowManagerManage(true);
    const std::wstring kBefore = L"прежний текст";
    const std::wstring kA300 = DigitMatrix(300);
};

TEST_F(LongWorkTest, AnswersShowsProgressAndStopsOnEscape) {
    StartPower(kA300);
    ASSERT_TRUE(Running());
    EXPECT_FALSE(IsWindowEnabled(program.Control(IDC_MATRIX_DETERMINANT)));
    EXPECT_TRUE(GetWindowLongW(program.Control(IDC_MATRIX_A), GWL_STYLE) & ES_READONLY);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(ProgressBar()); }, 2s));
    EXPECT_EQ(AccessibleName(ProgressBar()), L"Ход вычисления");
    const int first = Position();
    for (int i = 0; i < 10; ++i) {
        const auto start = steady_clock::now();
        DWORD_PTR result = 0;
        EXPECT_NE(
            SendMessageTimeoutW(program.MainWindow(), WM_NULL, 0, 0, SMTO_NORMAL, 100, &result), 0);
        EXPECT_LT(steady_clock::now() - start, 100ms);
        std::this_thread::sleep_for(50ms);
    }
    EXPECT_GT(Position(), first) << "the bar moves";
    // Other pages and the About box while it runs.
    program.Click(IDC_PAGE_EXPRESSION);
    EXPECT_EQ(program.TabCaption(), L"Примеры");
    PostMessageW(program.MainWindow(), WM_COMMAND, IDM_ABOUT, 0);
    const HWND about = program.WaitForShown(L"О программе...");
    ASSERT_NE(about, nullptr);
    PostMessageW(about, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(about); }, 5s));
    program.Click(IDC_PAGE_MATRIX);
    ASSERT_TRUE(Running()) << "still running after the page switch and the About box";
    ASSERT_TRUE(program.BringToFront());
    const auto escape = steady_clock::now();
    PressKeys({VK_ESCAPE});
    while (Running() && steady_clock::now() - escape < 5s) {
        std::this_thread::sleep_for(5ms);
    }
    EXPECT_LT(steady_clock::now() - escape, 200ms);
    EXPECT_EQ(program.Text(IDC_MATRIX_RESULT), kBefore);
    EXPECT_EQ(ProgressBar(), nullptr);
    EXPECT_TRUE(IsWindowEnabled(program.Control(IDC_MATRIX_DETERMINANT)));
}

// Run to the end (on 120 x 120, a fifth of a second's work), the answer is the page's in this
// process; closed while it runs, the program ends at once.
TEST_F(LongWorkTest, EndsWithThePagesAnswerAndEndsWithTheWindow) {
    const std::wstring a = DigitMatrix(120);
    StartPower(a);
    ASSERT_TRUE(WaitFor([&] { return !Running(); }, 60s));
    const std::u16string a16(a.begin(), a.end());
    const std::u16string expected =
        MatrixPageAnswer(MatrixOperation::Power, {a16, u"", u"99", u""}).text;
    EXPECT_EQ(program.Text(IDC_MATRIX_RESULT), std::wstring(expected.begin(), expected.end()));
    StartPower(kA300);
    ASSERT_TRUE(Running());
    PostMessageW(program.MainWindow(), WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(program.Process(), 1000), WAIT_OBJECT_0);
}

}  // namespace
