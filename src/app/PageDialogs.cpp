// The other Windows headers need <windows.h> first.
// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>
// clang-format on

#include "PageDialogs.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>

#include "Controls.h"
#include "MatrixPage.h"
#include "resource.h"
#include "ShellState.h"
#include "TextFile.h"
#include "WorkingPage.h"

namespace {

std::u16string ReadBoxText(HWND page, int boxId) {
    return TextOfBox(GetDlgItem(page, boxId));
}

// The page's row in kPageTable.
size_t RowOf(HWND page) {
    return static_cast<size_t>(std::ranges::find(Shell.pages, page) - Shell.pages.begin());
}

struct MatrixButton {
    int id;
    MatrixOperation operation;
};

constexpr std::array<MatrixButton, 9> kMatrixButtons = {{
    {IDC_MATRIX_DETERMINANT, MatrixOperation::Determinant},
    {IDC_MATRIX_SUM, MatrixOperation::Sum},
    {IDC_MATRIX_POWER, MatrixOperation::Power},
    {IDC_MATRIX_DIFFERENCE, MatrixOperation::Difference},
    {IDC_MATRIX_BY_NUMBER, MatrixOperation::ByNumber},
    {IDC_MATRIX_PRODUCT, MatrixOperation::Product},
    {IDC_MATRIX_TRANSPOSE, MatrixOperation::Transpose},
    {IDC_MATRIX_INVERSE, MatrixOperation::Inverse},
    {IDC_MATRIX_RANK, MatrixOperation::Rank},
}};

// The method of the page's checked radio button; the first on a page with none.
SolveMethod CheckedMethod(HWND page) {
    for (size_t method = 0; method < kMethods.size(); ++method) {
        if (IsDlgButtonChecked(page, MethodButton(method)) == BST_CHECKED) {
            return kMethods[method].id;
        }
    }
    return kMethods.front().id;
}

void OnPageCommand(HWND page, int id, HWND, UINT code) {
    const size_t row = RowOf(page);
    const std::span<const int> inputBoxes = kPageTable[row].inputBoxes;
    if (code == EN_SETFOCUS && std::ranges::find(inputBoxes, id) != inputBoxes.end()) {
        Shell.inputBox[row] = id;  // "Открыть..." fills the box used last
        return;
    }
    if (code != BN_CLICKED) {
        return;
    }
    // On a page with one input box, "Решить" puts the page's answer into its result box.
    const auto solved = std::ranges::find(kPageTable, id, &PageRow::solveButton);
    if (solved != kPageTable.end()) {
        StartPageWork(row, id,
                      [answer = solved->answer, input = ReadBoxText(page, inputBoxes[0]),
                       method = CheckedMethod(page)] { return answer(input, method); });
        return;
    }
    const auto button = std::ranges::find(kMatrixButtons, id, &MatrixButton::id);
    if (button == kMatrixButtons.end()) {
        return;
    }
    // "Точные дроби" as it is at the press.
    StartPageWork(
        row, id,
        [operation = button->operation, a = ReadBoxText(page, IDC_MATRIX_A),
         b = ReadBoxText(page, IDC_MATRIX_B), exponent = ReadBoxText(page, IDC_MATRIX_EXPONENT),
         factor = ReadBoxText(page, IDC_MATRIX_FACTOR),
         exact = IsDlgButtonChecked(page, IDC_MATRIX_EXACT) == BST_CHECKED] {
            return MatrixPageAnswer(
                operation,
                {.a = a, .b = b, .exponent = exponent, .factor = factor, .exact = exact});
        });
}

// The boxes that take two digits, on whichever page holds them.
constexpr int kTwoDigitBoxes[] = {IDC_MATRIX_EXPONENT, IDC_MATRIX_FACTOR};

// A box whose label is hidden shows the label's text as a hint while the mouse rests on it;
// screen readers read the label as its name.
void AddHints(HWND page) {
    HWND hints = nullptr;
    for (HWND label = GetWindow(page, GW_CHILD); label != nullptr;
         label = GetWindow(label, GW_HWNDNEXT)) {
        if ((GetWindowStyle(label) & WS_VISIBLE) != 0) {
            continue;
        }
        if (hints == nullptr) {
            hints = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                    WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, page, nullptr,
                                    GetWindowInstance(page), nullptr);
        }
        wchar_t text[128] = {};
        GetWindowTextW(label, text, std::size(text));
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = page;
        tool.uId = reinterpret_cast<UINT_PTR>(GetWindow(label, GW_HWNDNEXT));
        tool.lpszText = text;
        SendMessageW(hints, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

// The page sets itself up: its plan for the layout, its fonts, limits, checks and hints. The
// main window places the focus, so the page takes none.
BOOL OnPageInit(HWND page, HWND, LPARAM row) {
    PagePlan& plan = Shell.pagePlans[static_cast<size_t>(row)];
    for (HWND control = GetWindow(page, GW_CHILD); control != nullptr;
         control = GetWindow(control, GW_HWNDNEXT)) {
        plan.emplace_back(control, RectInPage(control));
    }
    SetPageFonts(page);
    for (const int box : kTwoDigitBoxes) {
        SendDlgItemMessageW(page, box, EM_LIMITTEXT, 2, 0);
    }
    // The input boxes take the longest text a file gives, so that a pasted text is not cut
    // short either.
    for (const int box : kPageTable[static_cast<size_t>(row)].inputBoxes) {
        SendDlgItemMessageW(page, box, EM_SETLIMITTEXT, kMaxBoxTextLength, 0);
    }
    // The method buttons, on the page that has them: their texts, the first checked.
    for (size_t method = 0; method < kMethods.size(); ++method) {
        SetDlgItemTextW(page, MethodButton(method), Wide(kMethods[method].caption).c_str());
    }
    CheckDlgButton(page, MethodButton(0), BST_CHECKED);
    AddHints(page);
    return FALSE;
}

// Shows the answer in the page's result box from its start; a refused character comes selected
// in its input box, which takes the focus.
void ShowAnswer(HWND page, const PageAnswer& answer) {
    const size_t row = RowOf(page);
    const HWND resultBox = GetDlgItem(page, kPageTable[row].resultBox);
    SetBoxText(resultBox, answer.text);
    Edit_SetSel(resultBox, 0, 0);
    Edit_ScrollCaret(resultBox);
    if (answer.refused.length != 0) {
        const HWND box = GetDlgItem(page, kPageTable[row].inputBoxes[answer.refused.box]);
        // A page shown now takes the focus to the box; a hidden one gives it there when shown.
        if (row == Shell.currentPage) {
            SendMessageW(page, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(box), TRUE);
        } else {
            Shell.focusInPage[row] = box;
        }
        const auto start = static_cast<int>(answer.refused.offset);
        Edit_SetSel(box, start, start + static_cast<int>(answer.refused.length));
        Edit_ScrollCaret(box);
    }
}

void OnPageAnswer(HWND page) {
    const PageAnswer answer = FinishPageWork();
    if (!answer.stopped) {
        ShowAnswer(page, answer);
    }
}

}  // namespace

void SetPageFonts(HWND page) {
    for (HWND control = GetWindow(page, GW_CHILD); control != nullptr;
         control = GetWindow(control, GW_HWNDNEXT)) {
        SetWindowFont(
            control,
            IsOfClass(control, L"Edit") ? Shell.fonts.edit.Get() : Shell.fonts.dialog.Get(), TRUE);
    }
}

// A page lives as long as the main window, so WM_CLOSE, which a multi-line box sends on Escape,
// does not end it.
INT_PTR CALLBACK PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return HANDLE_WM_INITDIALOG(page, wParam, lParam, OnPageInit);
        case WM_COMMAND:
            HANDLE_WM_COMMAND(page, wParam, lParam, OnPageCommand);
            return TRUE;
        case WM_CLOSE:
            return TRUE;
        case WM_TIMER:
            OnPageWorkTimer(static_cast<UINT>(wParam));
            return TRUE;
        case WM_PAGE_ANSWER:
            OnPageAnswer(page);
            return TRUE;
        case WM_SETCURSOR:
            if (SetPageWorkCursor(page, reinterpret_cast<HWND>(wParam))) {
                SetWindowLongPtrW(page, DWLP_MSGRESULT, TRUE);
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

PageBoxes CurrentPageBoxes() {
    const PageRow& row = kPageTable[Shell.currentPage];
    const HWND page = Shell.pages[Shell.currentPage];
    return {GetDlgItem(page, Shell.inputBox[Shell.currentPage]), GetDlgItem(page, row.resultBox),
            row.resultFile};
}
