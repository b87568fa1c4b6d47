// The three calculator pages: each sets itself up, passes its boxes' texts to its calculator,
// which runs on the worker thread, and shows the answer in its result box.
// The other Windows headers need <windows.h> first.
// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>
// clang-format on

#include <algorithm>
#include <array>
#include <span>
#include <string>

#include "MatrixPage.h"
#include "resource.h"
#include "ShellState.h"
#include "TextFile.h"

namespace {

std::u16string ReadBoxText(HWND page, int boxId) {
    return TextOfBox(GetDlgItem(page, boxId));
}

void WriteBoxText(HWND page, int boxId, const std::u16string& text) {
    const std::wstring wide(text.begin(), text.end());
    SetDlgItemTextW(page, boxId, wide.c_str());
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

// The method of the page's checked radio button; Cramer's on a page with none.
SolveMethod CheckedMethod(HWND page) {
    const auto checked = std::ranges::find_if(kMethodButtons, [page](const MethodButton& button) {
        return IsDlgButtonChecked(page, button.id) == BST_CHECKED;
    });
    return checked != std::end(kMethodButtons) ? checked->method : SolveMethod::Cramer;
}

void OnPageCommand(HWND page, int id, HWND, UINT code) {
    const std::span<const int> inputBoxes = kPageTable[RowOf(page)].inputBoxes;
    if (code == EN_SETFOCUS && std::ranges::find(inputBoxes, id) != inputBoxes.end()) {
        Shell.inputBox[RowOf(page)] = id;  // "Открыть..." fills the box used last
        return;
    }
    if (code != BN_CLICKED) {
        return;
    }
    // On a page with one input box, "Решить" puts the page's answer into its result box.
    const auto solved = std::ranges::find(kPageTable, id, &PageRow::solveButton);
    if (solved != kPageTable.end()) {
        StartPageWork(page, id,
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
        page, id,
        [operation = button->operation, a = ReadBoxText(page, IDC_MATRIX_A),
         b = ReadBoxText(page, IDC_MATRIX_B), exponent = ReadBoxText(page, IDC_MATRIX_EXPONENT),
         factor = ReadBoxText(page, IDC_MATRIX_FACTOR),
         exact = IsDlgButtonChecked(page, IDC_MATRIX_EXACT) == BST_CHECKED] {
            return MatrixPageAnswer(
                operation,
                {.a = a, .b = b, .exponent = exponent, .factor = factor, .exact = exact});
        });
}

// The boxes that take two digits, and the radio buttons checked at start, on whichever page
// holds them.
constexpr int kTwoDigitBoxes[] = {IDC_MATRIX_EXPONENT, IDC_MATRIX_FACTOR};
constexpr int kCheckedAtStart[] = {IDC_EQUATIONS_CRAMER};

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
    RECT client{};
    GetClientRect(page, &client);
    Shell.pageHeights[static_cast<size_t>(row)] = client.bottom;
    SetPageFonts(page);
    for (const int box : kTwoDigitBoxes) {
        SendDlgItemMessageW(page, box, EM_LIMITTEXT, 2, 0);
    }
    // The input boxes take the longest text a file gives, so that a pasted text is not cut
    // short either.
    for (const int box : kPageTable[static_cast<size_t>(row)].inputBoxes) {
        SendDlgItemMessageW(page, box, EM_SETLIMITTEXT, kMaxBoxTextLength, 0);
    }
    for (const int button : kCheckedAtStart) {
        CheckDlgButton(page, button, BST_CHECKED);
    }
    AddHints(page);
    return FALSE;
}

}  // namespace

void ShowAnswer(HWND page, const PageAnswer& answer) {
    const size_t row = RowOf(page);
    WriteBoxText(page, kPageTable[row].resultBox, answer.text);
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

std::u16string TextOfBox(HWND box) {
    const int length = GetWindowTextLengthW(box);
    std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(box, buffer.data(), length + 1);
    return std::u16string(buffer.begin(), buffer.begin() + copied);
}

size_t RowOf(HWND page) {
    return static_cast<size_t>(std::ranges::find(Shell.pages, page) - Shell.pages.begin());
}

RECT RectInPage(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowRect(nullptr, GetParent(control), &rect);
    return rect;
}

void SetPageFonts(HWND page) {
    for (HWND control = GetWindow(page, GW_CHILD); control != nullptr;
         control = GetWindow(control, GW_HWNDNEXT)) {
        SetWindowFont(control, IsOfClass(control, L"Edit") ? Shell.fonts.edit : Shell.fonts.dialog,
                      TRUE);
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
