// The window, by mouse and by keyboard: the page switch, the buttons, the Tab order and the
// names screen readers give the controls, the keys in the boxes, the menu.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "MatrixPage.h"
#include "PageTable.h"
#include "ProgramDriver.h"

namespace {

// The program's own table of pages, and their poses for the screenshots.
constexpr const auto& kPages = kPageTable;
constexpr const wchar_t* kPoses[] = {L"expression", L"matrix", L"equations"};

// The chosen page alone is shown, its button alone checked, and the single tab names it.
void ExpectShown(const NerolithProcess& program, size_t chosen) {
    EXPECT_EQ(SendMessageW(program.TabControl(), TCM_GETITEMCOUNT, 0, 0), 1);
    EXPECT_EQ(program.TabCaption(), kPages[chosen].caption);
    for (size_t page = 0; page < std::size(kPages); ++page) {
        EXPECT_EQ(IsWindowVisible(GetParent(program.Control(kPages[page].inputBoxes[0]))) != FALSE,
                  page == chosen);
        EXPECT_EQ(program.IsChecked(kPages[page].buttonId), page == chosen);
    }
}

const wchar_t* const kExponentHint = L"Показатель степени: целое число от 0 до 99";
const wchar_t* const kFactorHint = L"Множитель: целое число от 0 до 99";

using WindowTest = NerolithTest;

// Each page's button shows it; each button on it puts the page's answer for its boxes in the
// result box, from the worker thread, and the boxes keep their texts. A long text is read whole.
TEST_F(WindowTest, EachButtonShowsItsAnswer) {
    const std::wstring a = L"1 2\r\n3 4";
    program.SetText(IDC_MATRIX_B, L"1 1\r\n1 1");
    program.SetText(IDC_MATRIX_EXPONENT, L"2");
    program.SetText(IDC_MATRIX_FACTOR, L"3");
    const struct {
        size_t page;
        int box;
        std::wstring input;
        int button;
        std::wstring result;
    } rows[] = {{0, IDC_EXPRESSION_INPUT, std::wstring(3000, L'1'), IDC_EXPRESSION_SOLVE,
                 L"1.11111111111111E2999"},
                {0, IDC_EXPRESSION_INPUT, L"2*(3-1.5)/4", IDC_EXPRESSION_SOLVE, L"0.75"},
                {1, IDC_MATRIX_A, a, IDC_MATRIX_TRANSPOSE, L" 1 3\r\n 2 4"},
                {1, IDC_MATRIX_A, a, IDC_MATRIX_DETERMINANT, L"-2"},
                {1, IDC_MATRIX_A, a, IDC_MATRIX_SUM, L" 2 3\r\n 4 5"},
                {1, IDC_MATRIX_A, a, IDC_MATRIX_DIFFERENCE, L" 0 1\r\n 2 3"},
                {1, IDC_MATRIX_A, a, IDC_MATRIX_BY_NUMBER, L" 3  6\r\n 9 12"},
                {1, IDC_MATRIX_A, a, IDC_MATRIX_PRODUCT, L" 3 3\r\n 7 7"},
                {1, IDC_MATRIX_A, a, IDC_MATRIX_POWER, L"  7 10\r\n 15 22"},
                {2, IDC_EQUATIONS_INPUT, L"2x+y=5\r\nx-y=1", IDC_EQUATIONS_SOLVE,
                 L"Методом Крамера:\r\n\r\nD = ( 2  1\r\n      1 -1 ) = -3\r\n\r\n"
                 L"x = ( 5  1\r\n      1 -1 ) = -6\r\n\r\ny = ( 2 5\r\n      1 1 ) = -3\r\n\r\n"
                 L"Ответ:\r\nx = 2\r\ny = 1\r\n"}};
    for (const auto& [page, box, input, button, result] : rows) {
        SCOPED_TRACE(testing::Message() << "button " << button);
        program.Click(kPages[page].buttonId);
        ExpectShown(program, page);
        program.SetText(box, input);
        program.Click(button);
        EXPECT_EQ(program.TextWhen(kPages[page].resultBox, result), result);
        EXPECT_EQ(program.Text(box), input);
    }
    for (size_t page = 0; page < kPageCount; ++page) {  // each page with its last answer
        program.Click(kPages[page].buttonId);
        Pose(kPoses[page]);
    }
    program.Click(kPages[1].buttonId);
    ShowWindow(program.MainWindow(), SW_MAXIMIZE);
    Pose(L"matrix-maximized");
    EXPECT_EQ(program.Text(IDC_MATRIX_A), a) << "kept while other pages were shown";
}

// Ctrl+digit shows a page, focus in its first box; Tab goes through it as a reader does, to its
// button and back in; Shift+Tab goes back. Each control by the name a screen reader gives it.
TEST_F(WindowTest, TabGoesThroughEachPageInReadingOrder) {
    const std::vector<std::wstring> orders[] = {
        {L"Исходные данные:", L"Решить", L"Результат:", L"Примеры", L"Исходные данные:"},
        {L"Матрица A:", L"Матрица B:", L"Точные дроби", L"Определитель A", L"A+B", L"A^",
         kExponentHint, L"A-B", L"A*", kFactorHint, L"A*B", L"Транспонировать A", L"Обратная A",
         L"Ранг A", L"Результат:", L"Матрицы", L"Матрица A:"},
        {L"Исходные данные:", L"Решить", L"Методом Крамера", L"Результат:", L"Сист. уравнений",
         L"Исходные данные:"}};
    CoInitialize(nullptr);
    EXPECT_EQ(AccessibleName(program.Focus()), L"Исходные данные:") << "the focus at start";
    const auto moveFocus = [&](const std::vector<WORD>& chord) {
        const HWND before = program.Focus();
        PressKeys(chord);
        WaitFor([&] { return program.Focus() != before; }, 2s);
        return AccessibleName(program.Focus());
    };
    for (const size_t page : {1, 2, 0}) {  // each a page switch
        const std::vector<std::wstring>& order = orders[page];
        std::vector<std::wstring> visited = {
            moveFocus({VK_CONTROL, static_cast<WORD>('1' + page)})};
        ExpectShown(program, page);
        while (visited.size() < order.size()) {
            visited.push_back(moveFocus({VK_TAB}));
        }
        EXPECT_EQ(visited, order);
        EXPECT_EQ(moveFocus({VK_SHIFT, VK_TAB}), order[order.size() - 2]) << "Shift+Tab";
    }
    CoUninitialize();
}

// Fractions typed into A: each press takes «Точные дроби» as it is then, unchecked at start, and
// shows the page's answer for the same boxes: "/" refused unchecked, computed exactly checked.
TEST_F(WindowTest, ExactFractionsGoWithEachPress) {
    program.Click(IDC_PAGE_MATRIX);
    ASSERT_TRUE(program.FocusOn(program.Control(IDC_MATRIX_A)));
    PressKeys({}, L"1/2 1/3");
    PressKeys({VK_RETURN}, L"1/4 1/5");
    const std::wstring typed = L"1/2 1/3\r\n1/4 1/5";
    ASSERT_TRUE(WaitFor([&] { return program.Text(IDC_MATRIX_A) == typed; }, 2s));
    EXPECT_FALSE(program.IsChecked(IDC_MATRIX_EXACT));
    const std::u16string a(typed.begin(), typed.end());
    const struct {
        bool exact;
        int button;
        MatrixOperation operation;
    } rows[] = {{false, IDC_MATRIX_DETERMINANT, MatrixOperation::Determinant},
                {false, IDC_MATRIX_INVERSE, MatrixOperation::Inverse},
                {true, IDC_MATRIX_DETERMINANT, MatrixOperation::Determinant},
                {true, IDC_MATRIX_RANK, MatrixOperation::Rank},
                {true, IDC_MATRIX_INVERSE, MatrixOperation::Inverse}};
    for (const auto& [exact, button, operation] : rows) {
        SCOPED_TRACE(testing::Message() << "button " << button << (exact ? ", exact" : ""));
        if (program.IsChecked(IDC_MATRIX_EXACT) != exact) {
            program.Click(IDC_MATRIX_EXACT);
        }
        const std::u16string answer = MatrixPageAnswer(operation, {a, u"", u"", u"", exact}).text;
        const std::wstring expected(answer.begin(), answer.end());
        program.SetText(IDC_MATRIX_RESULT, L"");
        program.Click(button);
        EXPECT_EQ(program.TextWhen(IDC_MATRIX_RESULT, expected), expected);
    }
    // The report's end, "Ответ:" and A^(-1), in the window maximized.
    ASSERT_TRUE(program.FocusOn(program.Control(IDC_MATRIX_INVERSE)));
    ShowWindow(program.MainWindow(), SW_MAXIMIZE);
    SendMessageW(program.Control(IDC_MATRIX_RESULT), WM_VSCROLL, SB_BOTTOM, 0);
    Pose(L"inverse");
}

// In a box holding "x+y=1" with the caret at its end: a chord, the characters typed, another
// chord; what the box and the page's result box then hold.
TEST_F(WindowTest, KeysInTheBoxes) {
    const std::wstring before = L"x+y=1";
    const std::wstring x = L"\U0001D465";  // mathematical italic x: a surrogate pair
    const std::wstring line = before + L"\r\n";
    const std::wstring named = L"Недопустимый символ: " + x;
    const std::wstring unsolvable = L"Система не имеет единственного решения";
    const struct {
        size_t page;
        int box;
        std::vector<WORD> chord;
        std::wstring typed, boxAfter, resultAfter;
        std::vector<WORD> then = {};  // pressed after the typing
    } rows[] = {
        {0, IDC_EXPRESSION_INPUT, {VK_CONTROL, 'A'}, L"2+" + x, L"2+" + x, named, {VK_RETURN}},
        {1, IDC_MATRIX_A, {VK_RETURN}, L"", line, L""},
        {1, IDC_MATRIX_B, {VK_RETURN}, L"", line, L""},
        {1, IDC_MATRIX_FACTOR, {VK_CONTROL, 'A'}, L"1x23", L"12", L""},
        {2, IDC_EQUATIONS_INPUT, {VK_RETURN}, L"", line, L""},
        {2, IDC_EQUATIONS_INPUT, {VK_CONTROL, VK_RETURN}, L"", before, unsolvable},
        {2, IDC_EQUATIONS_INPUT, {VK_ESCAPE}, L"!", before + L"!", L""},
        {0, IDC_EXPRESSION_INPUT, {VK_ESCAPE}, L"!", before + L"!", L""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "box " << row.box << ", key " << row.chord.back());
        const int resultBox = kPages[row.page].resultBox;
        program.Click(kPages[row.page].buttonId);
        program.SetText(row.box, before);
        program.SetText(resultBox, L"");
        const HWND box = program.Control(row.box);
        ASSERT_TRUE(program.FocusOn(box));
        SendMessageW(box, EM_SETSEL, before.size(), before.size());
        PressKeys(row.chord, row.typed);
        PressKeys(row.then);
        const auto texts = [&] { return program.Text(row.box) + L"|" + program.Text(resultBox); };
        WaitFor([&] { return texts() == row.boxAfter + L"|" + row.resultAfter; }, 2s);
        EXPECT_EQ(texts(), row.boxAfter + L"|" + row.resultAfter);
        EXPECT_EQ(program.Focus(), box) << "the focus stays";
        EXPECT_TRUE(IsWindowVisible(GetParent(box))) << "the page stays";
    }
}

// The method is chosen by the mouse or by the arrow keys within its group; "Решить" and
// Ctrl+Enter in the box solve by it, and the choice stays while another page is shown.
TEST_F(WindowTest, SolvesByTheChosenMethod) {
    program.Click(IDC_PAGE_EQUATIONS);
    program.SetText(IDC_EQUATIONS_INPUT, L"x+y=3\r\nx-y=1");
    const HWND box = program.Control(IDC_EQUATIONS_INPUT);
    const struct {
        std::vector<WORD> choose;  // arrow keys from the checked radio button; none: a click
        int click;
        int checked;
        std::wstring reportStart;
    } rows[] = {
        {{}, IDC_EQUATIONS_GAUSS, IDC_EQUATIONS_GAUSS, L"Методом Гаусса:"},
        {{VK_DOWN}, 0, IDC_EQUATIONS_MATRIX_METHOD, L"Матричным методом:"},
        {{VK_UP, VK_UP}, 0, IDC_EQUATIONS_CRAMER, L"Методом Крамера:"},
        {{}, IDC_EQUATIONS_MATRIX_METHOD, IDC_EQUATIONS_MATRIX_METHOD, L"Матричным методом:"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "radio button " << row.checked);
        if (row.click != 0) {
            program.Click(row.click);
        } else {
            size_t checked = 0;
            while (!program.IsChecked(MethodButton(checked))) {
                ++checked;
            }
            const HWND radio = program.Control(MethodButton(checked));
            ASSERT_TRUE(program.FocusOn(radio));
            for (const WORD key : row.choose) {
                PressKeys({key});
            }
        }
        WaitFor([&] { return program.IsChecked(row.checked); }, 2s);
        for (size_t method = 0; method < kMethods.size(); ++method) {
            const int id = MethodButton(method);
            EXPECT_EQ(program.IsChecked(id), id == row.checked) << "radio button " << id;
        }
        program.Click(IDC_PAGE_EXPRESSION);
        program.Click(IDC_PAGE_EQUATIONS);
        ASSERT_TRUE(program.FocusOn(box));
        program.SetText(IDC_EQUATIONS_RESULT, L"");
        PressKeys({VK_CONTROL, VK_RETURN});
        const auto solved = [&] {
            return program.Text(IDC_EQUATIONS_RESULT).starts_with(row.reportStart + L"\r\n");
        };
        EXPECT_TRUE(WaitFor(solved, 2s)) << program.Text(IDC_EQUATIONS_RESULT);
        EXPECT_EQ(program.Focus(), box);
        if (row.checked == IDC_EQUATIONS_GAUSS) {
            Pose(L"gauss");
        }
    }
}

// An answer shows from its start, its first line from the left edge, in a result box that was
// scrolled to the end of a long text; the focus stays in the input box.
TEST_F(WindowTest, AnswerShowsFromItsStart) {
    std::wstring scrolled;
    for (int line = 0; line < 100; ++line) {
        scrolled += std::wstring(300, L'7') + L"\r\n";
    }
    const struct {
        size_t page;
        std::wstring input;
        int button;
        std::wstring start;
    } rows[] = {{0, std::wstring(500, L'1') + L"+", IDC_EXPRESSION_SOLVE, L"Ошибка"},
                {2, L"x+y=3\r\nx-y=1", IDC_EQUATIONS_SOLVE, L"Методом Крамера:"}};
    for (const auto& [page, input, button, start] : rows) {
        SCOPED_TRACE(testing::Message() << "page " << page);
        program.Click(kPages[page].buttonId);
        const HWND box = program.Control(kPages[page].inputBoxes[0]);
        const HWND result = program.Control(kPages[page].resultBox);
        program.SetText(kPages[page].inputBoxes[0], input);
        program.SetText(kPages[page].resultBox, scrolled);
        SendMessageW(result, EM_SETSEL, scrolled.size(), static_cast<LPARAM>(scrolled.size()));
        SendMessageW(result, EM_SCROLLCARET, 0, 0);
        ASSERT_TRUE(program.FocusOn(box));
        PressKeys({VK_CONTROL, VK_RETURN});
        EXPECT_TRUE(
            WaitFor([&] { return program.Text(kPages[page].resultBox).starts_with(start); }, 2s));
        const LRESULT first = SendMessageW(result, EM_POSFROMCHAR, 0, 0);
        // In the box's margin, not scrolled off to the left or above.
        const short x = static_cast<short>(LOWORD(first));
        const short y = static_cast<short>(HIWORD(first));
        EXPECT_TRUE(x >= 0 && x < 8 && y >= 0 && y < 8) << x << "," << y;
        EXPECT_EQ(program.Focus(), box);
    }
}

// A refused character comes selected in the box it came from, which takes the focus.
TEST_F(WindowTest, RefusedCharacterIsSelectedInItsBox) {
    const struct {
        size_t page;
        int box;
        std::wstring text;
        int button;
        wchar_t refused;
        int at;
    } rows[] = {
        {0, IDC_EXPRESSION_INPUT, L"12 +3", IDC_EXPRESSION_SOLVE, L' ', 2},
        {0, IDC_EXPRESSION_INPUT, L"12+\t3", IDC_EXPRESSION_SOLVE, L'\t', 3},
        {0, IDC_EXPRESSION_INPUT, L"2*х", IDC_EXPRESSION_SOLVE, L'х', 2},
        {1, IDC_MATRIX_B, L"1 2\r\n3 х", IDC_MATRIX_SUM, L'х', 7},
        {1, IDC_MATRIX_A, L"1 2\r\n3\t4", IDC_MATRIX_TRANSPOSE, L'\t', 6},
        {2, IDC_EQUATIONS_INPUT, L"x=1\r\nx+y= 2", IDC_EQUATIONS_SOLVE, L' ', 9},
        {2, IDC_EQUATIONS_INPUT, L"x=1\r\n\ty=2", IDC_EQUATIONS_SOLVE, L'\t', 5},
        {2, IDC_EQUATIONS_INPUT, L"2х=1", IDC_EQUATIONS_SOLVE, L'х', 1},
    };
    program.SetText(IDC_MATRIX_A, L"1 2\r\n3 4");
    for (const auto& [page, box, text, button, refused, at] : rows) {
        SCOPED_TRACE(testing::Message() << "box " << box << ", character " << int{refused});
        program.Click(kPages[page].buttonId);
        program.SetText(box, text);
        program.Click(button);
        const std::wstring message = L"Недопустимый символ: " + std::wstring(1, refused);
        EXPECT_EQ(program.TextWhen(kPages[page].resultBox, message), message);
        EXPECT_EQ(SendMessageW(program.Control(box), EM_GETSEL, 0, 0), MAKELRESULT(at, at + 1));
        EXPECT_EQ(program.Focus(), program.Control(box));
    }
}

// The mouse resting on the exponent or the factor box shows its hint.
TEST_F(WindowTest, ExponentAndFactorBoxesShowHints) {
    program.Click(IDC_PAGE_MATRIX);
    for (const auto& [box, hint] : {std::pair{IDC_MATRIX_EXPONENT, kExponentHint},
                                    std::pair{IDC_MATRIX_FACTOR, kFactorHint}}) {
        RECT rect{};
        GetWindowRect(program.Control(box), &rect);
        INPUT move{};
        move.type = INPUT_MOUSE;
        move.mi = {MulDiv(rect.left + 4, 65536, GetSystemMetrics(SM_CXSCREEN)),
                   MulDiv(rect.top + 4, 65536, GetSystemMetrics(SM_CYSCREEN)),
                   0,
                   MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE,
                   0,
                   0};
        SendInput(1, &move, sizeof(move));
        EXPECT_TRUE(WaitFor(
            [&] {
                const HWND tip = program.WaitForShown(nullptr, 0ms, TOOLTIPS_CLASSW);
                return tip != nullptr && TextOf(tip) == hint;
            },
            5s))
            << box;
    }
}

// The menu, chosen with its keys: F10 opens the bar, the arrows go to an item, Enter takes it.
const std::vector<WORD> kHelp = {VK_F10, VK_RIGHT, VK_DOWN, VK_RETURN};

void PressInTurn(const std::vector<WORD>& keys) {
    for (const WORD key : keys) {
        PressKeys({key});
    }
}

// F10, then the access keys of "Файл" and "Выход".
TEST_F(WindowTest, ExitInTheMenuEndsTheProgramWithCodeZero) {
    PressInTurn({VK_F10});
    PressKeys({}, L"ф");
    ASSERT_TRUE(
        WaitFor([] { return IsWindowVisible(FindWindowW(L"#32768", nullptr)) != FALSE; }, 5s));
    Pose(L"menu");
    PressKeys({}, L"в");
    DWORD code = STILL_ACTIVE;
    WaitFor([&] { return GetExitCodeProcess(program.Process(), &code) && code != STILL_ACTIVE; },
            10s);
    EXPECT_EQ(code, 0u);
}

// The About box is modal; its close box, "OK" and Escape close it.
TEST_F(WindowTest, AboutBoxClosesOnItsCloseBoxOnOkAndOnEscape) {
    const std::function<void(HWND)> closings[] = {
        [](HWND about) { PostMessageW(about, WM_CLOSE, 0, 0); },
        [](HWND about) { SendDlgItemMessageW(about, IDC_ABOUT_OK, BM_CLICK, 0, 0); },
        [](HWND) { PressKeys({VK_ESCAPE}); }};
    for (size_t closing = 0; closing < std::size(closings); ++closing) {
        SCOPED_TRACE(closing);
        PressInTurn({VK_F10, VK_RIGHT, VK_DOWN, VK_DOWN, VK_RETURN});
        const HWND about = program.WaitForShown(L"О программе...");
        ASSERT_NE(about, nullptr);
        Pose(L"about");
        EXPECT_FALSE(IsWindowEnabled(program.MainWindow())) << "the box is modal";
        closings[closing](about);
        EXPECT_TRUE(WaitFor([&] { return !IsWindow(about); }, 5s));
        EXPECT_TRUE(IsWindowEnabled(program.MainWindow()));
    }
}

// Help.htm beside the program opens in its folder however the program started, even while held
// open; a missing one, or one no program opens, is reported in an error box, and all goes on.
TEST(HelpTest, OpensHelpBesideTheProgramOrSaysWhyNot) {
    const wchar_t* noProgram =
        L"Не удалось открыть файл справки: в системе нет программы для просмотра файлов .htm.";
    // The handler: a command that copies the file to opened.htm in the folder it runs in.
    RegSetValueW(HKEY_CLASSES_ROOT, L"NerolithE2E.Record\\shell\\open\\command", REG_SZ,
                 L"cmd.exe /c copy \"%1\" opened.htm", 0);
    const struct {
        bool withHelp;
        const wchar_t* handler;
        bool elsewhere;  // started unquoted, with an argument, from another folder
        std::vector<WORD> keys;
        const wchar_t* message;  // in the error box; none when the file is opened
        const wchar_t* pose;
    } rows[] = {
        {false, L"NerolithE2E.Record", false, kHelp, L"Файл справки отсутствует!", L"help-error"},
        {true, L"NerolithE2E.NoProgram", false, {VK_F1}, noProgram, L"help-no-program"},
        {true, L"NerolithE2E.Record", false, kHelp, nullptr, nullptr},
        {true, L"NerolithE2E.Record", true, {VK_F1}, nullptr, nullptr},
    };
    const std::wstring folder =
        (std::filesystem::temp_directory_path() / L"nerolith-help/").wstring();
    const std::wstring exe = folder + L"nerolith.exe", help = folder + L"Help.htm",
                       opened = folder + L"opened.htm";
    CreateDirectoryW(folder.c_str(), nullptr);
    ASSERT_TRUE(CopyFileW(kProgram.c_str(), exe.c_str(), FALSE));
    for (const auto& row : rows) {
        RegSetValueW(HKEY_CLASSES_ROOT, L".htm", REG_SZ, row.handler, 0);
        DeleteFileW(help.c_str());
        DeleteFileW(opened.c_str());
        if (row.withHelp) {
            CopyFileW((FolderPart(kProgram) + L"Help.htm").c_str(), help.c_str(), FALSE);
        }
        const HANDLE held = CreateFileW(help.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        const NerolithProcess program(exe, row.elsewhere ? exe + L" C:\\some\\argument\\" : L"",
                                      row.elsewhere ? L"C:\\" : L"");
        ASSERT_TRUE(program.BringToFront());
        PressInTurn(row.keys);
        if (row.message == nullptr) {
            EXPECT_TRUE(WaitFor(
                [&] { return GetFileAttributesW(opened.c_str()) != INVALID_FILE_ATTRIBUTES; },
                10s));
            EXPECT_EQ(program.WaitForShown(L"Ошибка", 1s), nullptr);
        } else {
            const HWND box = program.WaitForShown(L"Ошибка");
            Pose(row.pose);
            EXPECT_NE(FindWindowExW(box, nullptr, L"Static", row.message), nullptr);
            PostMessageW(box, WM_COMMAND, IDOK, 0);
            EXPECT_TRUE(WaitFor([&] { return !IsWindow(box); }, 5s));
        }
        EXPECT_EQ(WaitForSingleObject(program.Process(), 0), WAIT_TIMEOUT) << "the program goes on";
        CloseHandle(held);
    }
}

}  // namespace
