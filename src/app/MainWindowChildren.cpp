#include "MainWindowChildren.h"

#include <commctrl.h>

#include <array>

#include "PageSwitch.h"
#include "PageTable.h"
#include "resource.h"
#include "ShellState.h"

namespace {

constexpr DWORD kPageButtonStyle =
    WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON | BS_PUSHLIKE | BS_FLAT;
constexpr DWORD kFrameStyle = WS_CHILD | WS_VISIBLE | BS_GROUPBOX;
constexpr int kPageButtonTop = 12;
constexpr int kPageButtonStep = 40;

struct FontedBox {
    HWND* page;
    int boxId;
};

// The edit boxes that get EditFont, in order.
constexpr std::array<FontedBox, 9> kEditBoxes = {{
    {&PageExpression, IDC_EXPRESSION_INPUT},
    {&PageExpression, IDC_EXPRESSION_RESULT},
    {&PageMatrix, IDC_MATRIX_A},
    {&PageMatrix, IDC_MATRIX_B},
    {&PageMatrix, IDC_MATRIX_RESULT},
    {&PageMatrix, IDC_MATRIX_EXPONENT},
    {&PageMatrix, IDC_MATRIX_FACTOR},
    {&PageEquations, IDC_EQUATIONS_INPUT},
    {&PageEquations, IDC_EQUATIONS_RESULT},
}};

constexpr std::array<int, 2> kTwoDigitBoxes = {IDC_MATRIX_EXPONENT, IDC_MATRIX_FACTOR};

HWND CreateChild(HWND window, const wchar_t* className, const wchar_t* text, DWORD style, int x,
                 int y, int width, int height, int id) {
    return CreateWindowExW(0, className, text, style, x, y, width, height, window,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE)),
                           nullptr);
}

void SetFont(HWND control, HFONT font) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
}

void CreatePageButtons(HWND window) {
    int top = kPageButtonTop;
    for (const PageRow& row : kPageTable) {
        const HWND button = CreateChild(window, L"BUTTON", row.caption, kPageButtonStyle, 12, top,
                                        97, 41, row.buttonId);
        SetFont(button, ButtonFont);
        if (&row == &kPageTable.front()) {
            SendMessageW(button, BM_SETCHECK, BST_CHECKED, 0);
        }
        top += kPageButtonStep;
    }
}

void CreatePages(HWND window) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
    for (const PageRow& row : kPageTable) {
        *row.page = CreateDialogParamW(instance, MAKEINTRESOURCEW(row.dialogTemplate), TabControl,
                                       row.procedure, 0);
        if (&row != &kPageTable.front()) {
            ShowWindow(*row.page, SW_HIDE);
        }
    }
    CurrentPage = *kPageTable.front().page;
    SendDlgItemMessageW(PageEquations, IDC_EQUATIONS_CRAMER, BM_SETCHECK, BST_CHECKED, 0);
}

}  // namespace

void CreateMainWindowChildren(HWND window) {
    CreatePageButtons(window);
    TabControl =
        CreateChild(window, WC_TABCONTROLW, nullptr, WS_CHILD | WS_VISIBLE, 125, 12, 444, 329, 0);
    SetFont(TabControl, ButtonFont);
    CreateChild(window, L"BUTTON", nullptr, kFrameStyle, 120, 0, 453, 344, 0);
    CreateChild(window, L"BUTTON", nullptr, kFrameStyle, 8, 0, 105, 344, 0);
    InsertPageTab(kPageTable.front());
    CreatePages(window);
    for (const int boxId : kTwoDigitBoxes) {
        SendDlgItemMessageW(PageMatrix, boxId, EM_LIMITTEXT, 2, 0);
    }
    for (const FontedBox& box : kEditBoxes) {
        SetFont(GetDlgItem(*box.page, box.boxId), EditFont);
    }
}
