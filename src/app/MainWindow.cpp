// The main window: the page buttons, the tab control that frames the page shown, and their
// layout at any display scale.
// The other Windows headers need <windows.h> first.
// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>
// clang-format on

#include <algorithm>
#include <array>

#include "resource.h"
#include "ShellState.h"

namespace {

struct PageRow {
    int buttonId;
    const wchar_t* caption;  // the button's text and the tab's caption
    int dialogTemplate;
    DLGPROC procedure;
    int solveButton;  // pressed by Ctrl+Enter; 0 for none
    int inputBox;     // where "Открыть..." puts a file's text at first
    int resultBox;
    const wchar_t* resultFile;  // the name "Сохранить результат..." suggests
};

constexpr std::array<PageRow, kPageCount> kPageTable = {{
    {IDC_PAGE_EXPRESSION, L"Примеры", IDD_EXPRESSION_PAGE, OneBoxPageProc, IDC_EXPRESSION_SOLVE,
     IDC_EXPRESSION_INPUT, IDC_EXPRESSION_RESULT, L"Значение выражения.txt"},
    {IDC_PAGE_MATRIX, L"Матрицы", IDD_MATRIX_PAGE, MatrixPageProc, 0, IDC_MATRIX_A,
     IDC_MATRIX_RESULT, L"Результат с матрицами.txt"},
    {IDC_PAGE_EQUATIONS, L"Сист. уравнений", IDD_EQUATIONS_PAGE, OneBoxPageProc,
     IDC_EQUATIONS_SOLVE, IDC_EQUATIONS_INPUT, IDC_EQUATIONS_RESULT, L"Решение системы.txt"},
}};

// A rectangle: its top-left corner and its size, in pixels.
struct Box {
    int x, y, width, height;
};

constexpr DWORD kPageButtonStyle =
    WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON | BS_PUSHLIKE | BS_FLAT;
constexpr DWORD kFrameStyle = WS_CHILD | WS_VISIBLE | BS_GROUPBOX;

struct ChildRow {
    const wchar_t* className;
    const wchar_t* text;
    DWORD style;
    Box at96;  // in the client area, at 96 DPI
    int id;
};

// The main window's children in creation order, which is also their order below the window.
constexpr std::array<ChildRow, 6> kChildren = {{
    {L"BUTTON", kPageTable[0].caption, kPageButtonStyle, {12, 12, 97, 41}, IDC_PAGE_EXPRESSION},
    {L"BUTTON", kPageTable[1].caption, kPageButtonStyle, {12, 52, 97, 41}, IDC_PAGE_MATRIX},
    {L"BUTTON", kPageTable[2].caption, kPageButtonStyle, {12, 92, 97, 41}, IDC_PAGE_EQUATIONS},
    {WC_TABCONTROLW, nullptr, WS_CHILD | WS_VISIBLE, {125, 12, 444, 329}, 0},
    {L"BUTTON", nullptr, kFrameStyle, {120, 0, 453, 344}, 0},
    {L"BUTTON", nullptr, kFrameStyle, {8, 0, 105, 344}, 0},
}};

constexpr Box kWindowAt96{155, 146, 588, 405};

// Font heights in pixels at 96 DPI. The edit boxes' text is a little taller than the dialog
// text, as a monospaced face looks smaller at the same height.
constexpr int kEditFontHeight = 13;
constexpr int kButtonFontHeight = 11;
constexpr int kDialogFontPoints = 8;

struct MainLayout {
    Box window;
    std::array<Box, kChildren.size()> children;
};

int Scaled(int pixels, UINT dpi) {
    return MulDiv(pixels, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
}

Box Scaled(const Box& box, UINT dpi) {
    return {Scaled(box.x, dpi), Scaled(box.y, dpi), Scaled(box.width, dpi),
            Scaled(box.height, dpi)};
}

// Every rectangle of the main window at `dpi`: its values at 96 DPI, scaled.
MainLayout LayoutForDpi(UINT dpi) {
    MainLayout layout{Scaled(kWindowAt96, dpi), {}};
    std::ranges::transform(kChildren, layout.children.begin(),
                           [dpi](const ChildRow& row) { return Scaled(row.at96, dpi); });
    return layout;
}

// Newer Windows only; looked up, so that the program still starts on older ones.
template <typename Function>
Function* User32Function(const char* name) {
    return reinterpret_cast<Function*>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

UINT DpiOf(HWND window) {
    static auto* const getDpiForWindow = User32Function<UINT WINAPI(HWND)>("GetDpiForWindow");
    return getDpiForWindow != nullptr ? getDpiForWindow(window) : StartDpi();
}

HFONT CreateFaceFont(int height, const wchar_t* face, BYTE pitchAndFamily) {
    return CreateFontW(height, 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, pitchAndFamily,
                       face);
}

ShellFonts FontsForDpi(UINT dpi) {
    return {CreateFaceFont(-Scaled(kEditFontHeight, dpi), L"Courier New", FIXED_PITCH | FF_MODERN),
            CreateFaceFont(-Scaled(kButtonFontHeight, dpi), L"MS Shell Dlg", DEFAULT_PITCH),
            CreateFaceFont(-MulDiv(kDialogFontPoints, static_cast<int>(dpi), 72), L"MS Shell Dlg",
                           DEFAULT_PITCH)};
}

bool IsEditBox(HWND window) {
    wchar_t className[8] = {};
    GetClassNameW(window, className, 8);
    return lstrcmpiW(className, L"Edit") == 0;
}

void MoveTo(HWND window, const Box& box) {
    MoveWindow(window, box.x, box.y, box.width, box.height, TRUE);
}

// Scales the page's controls from the DPI they were laid out for and gives them the fonts.
void LayOutPage(HWND page, UINT fromDpi, UINT toDpi) {
    const auto scaled = [&](LONG pixels) {
        return MulDiv(pixels, static_cast<int>(toDpi), static_cast<int>(fromDpi));
    };
    for (HWND control = GetWindow(page, GW_CHILD); control != nullptr;
         control = GetWindow(control, GW_HWNDNEXT)) {
        RECT rect{};
        GetWindowRect(control, &rect);
        MapWindowRect(nullptr, page, &rect);
        MoveTo(control, {scaled(rect.left), scaled(rect.top), scaled(rect.right - rect.left),
                         scaled(rect.bottom - rect.top)});
        SetWindowFont(control, IsEditBox(control) ? Shell.fonts.edit : Shell.fonts.dialog, TRUE);
    }
}

// The pages fill the tab control's display area.
void PlacePages() {
    RECT area{};
    GetClientRect(Shell.tabControl, &area);
    TabCtrl_AdjustRect(Shell.tabControl, FALSE, &area);
    for (const HWND page : Shell.pages) {
        MoveWindow(page, area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
    }
}

// Lays the window out for `dpi`, in `frame` when one is given, with fonts made for that DPI.
void LayOut(HWND window, UINT dpi, const RECT* frame) {
    const ShellFonts oldFonts = Shell.fonts;
    Shell.fonts = FontsForDpi(dpi);
    const MainLayout layout = LayoutForDpi(dpi);
    if (frame != nullptr) {
        SetWindowPos(window, nullptr, frame->left, frame->top, frame->right - frame->left,
                     frame->bottom - frame->top, SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        SetWindowPos(window, nullptr, 0, 0, layout.window.width, layout.window.height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    HWND child = GetWindow(window, GW_CHILD);
    for (size_t i = 0; i < kChildren.size(); ++i, child = GetWindow(child, GW_HWNDNEXT)) {
        MoveTo(child, layout.children[i]);
        // The frames keep the system's font.
        if (kChildren[i].style != kFrameStyle) {
            SetWindowFont(child, Shell.fonts.button, TRUE);
        }
    }
    for (const HWND page : Shell.pages) {
        LayOutPage(page, Shell.pageDpi, dpi);
    }
    Shell.pageDpi = dpi;
    PlacePages();
    DeleteFonts(oldFonts);
}

void InsertPageTab(const PageRow& page) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(page.caption);
    item.iImage = -1;
    TabCtrl_InsertItem(Shell.tabControl, 0, &item);
}

// The page's first tab stop, or its last: the one before the first.
HWND EdgeTabStop(HWND page, bool last) {
    const HWND first = GetNextDlgTabItem(page, nullptr, FALSE);
    return last ? GetNextDlgTabItem(page, first, TRUE) : first;
}

HWND CurrentPage() {
    return Shell.pages[Shell.currentPage];
}

// Where the page was left, or its first box.
void FocusCurrentPage() {
    const HWND left = Shell.focusInPage[Shell.currentPage];
    SetFocus(left != nullptr ? left : EdgeTabStop(CurrentPage(), false));
}

void CheckPageButton(HWND window, size_t chosen) {
    for (size_t i = 0; i < kPageCount; ++i) {
        CheckDlgButton(window, kPageTable[i].buttonId, i == chosen ? BST_CHECKED : BST_UNCHECKED);
    }
}

// Shows the chosen page, hides the others, renames the tab and checks the page's button.
void ShowPage(HWND window, size_t chosen) {
    CheckPageButton(window, chosen);
    if (chosen != Shell.currentPage) {
        const HWND focus = GetFocus();
        if (IsChild(CurrentPage(), focus)) {
            Shell.focusInPage[Shell.currentPage] = focus;
        }
        TabCtrl_DeleteItem(Shell.tabControl, 0);
        InsertPageTab(kPageTable[chosen]);
        for (size_t i = 0; i < kPageCount; ++i) {
            ShowWindow(Shell.pages[i], i == chosen ? SW_SHOWDEFAULT : SW_HIDE);
        }
        Shell.currentPage = chosen;
    }
    FocusCurrentPage();
}

HWND CreateChild(HWND window, const ChildRow& row, const Box& box) {
    return CreateWindowExW(
        0, row.className, row.text, row.style, box.x, box.y, box.width, box.height, window,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), GetWindowInstance(window), nullptr);
}

void CreatePages(HWND window) {
    // Pages are laid out here, not by the system when the DPI changes.
    static auto* const keepLayout =
        User32Function<BOOL WINAPI(HWND, DIALOG_DPI_CHANGE_BEHAVIORS, DIALOG_DPI_CHANGE_BEHAVIORS)>(
            "SetDialogDpiChangeBehavior");
    for (size_t i = 0; i < kPageCount; ++i) {
        Shell.pages[i] = CreateDialogParamW(GetWindowInstance(window),
                                            MAKEINTRESOURCEW(kPageTable[i].dialogTemplate),
                                            Shell.tabControl, kPageTable[i].procedure, 0);
        if (keepLayout != nullptr) {
            keepLayout(Shell.pages[i], DDC_DISABLE_ALL, DDC_DISABLE_ALL);
        }
        if (i != Shell.currentPage) {
            ShowWindow(Shell.pages[i], SW_HIDE);
        }
        Shell.inputBox[i] = kPageTable[i].inputBox;
    }
    CheckDlgButton(Shell.pages[2], IDC_EQUATIONS_CRAMER, BST_CHECKED);
    for (const int box : {IDC_MATRIX_EXPONENT, IDC_MATRIX_FACTOR}) {
        SendDlgItemMessageW(Shell.pages[1], box, EM_LIMITTEXT, 2, 0);
    }
}

BOOL OnCreate(HWND window, LPCREATESTRUCT) {
    // The pages come laid out by the system for the window's DPI.
    Shell.pageDpi = DpiOf(window);
    const MainLayout layout = LayoutForDpi(Shell.pageDpi);
    for (size_t i = 0; i < kChildren.size(); ++i) {
        CreateChild(window, kChildren[i], layout.children[i]);
    }
    CheckPageButton(window, Shell.currentPage);
    Shell.tabControl = FindWindowExW(window, nullptr, WC_TABCONTROLW, nullptr);
    InsertPageTab(kPageTable[0]);
    CreatePages(window);
    LayOut(window, Shell.pageDpi, nullptr);
    DragAcceptFiles(window, TRUE);
    return TRUE;
}

void OnDestroy(HWND) {
    for (HWND& page : Shell.pages) {
        DestroyWindow(page);
        page = nullptr;
    }
    PostQuitMessage(0);
}

// The focus leaves with the window and comes back to where it was.
void OnActivate(HWND, UINT state, HWND, BOOL minimized) {
    if (state == WA_INACTIVE) {
        Shell.focusBeforeDeactivation = GetFocus();
    } else if (!minimized) {
        const HWND before = Shell.focusBeforeDeactivation;
        if (before != nullptr && IsWindowVisible(before)) {
            SetFocus(before);
        } else {
            FocusCurrentPage();
        }
    }
}

void PressSolveButton() {
    const int solve = kPageTable[Shell.currentPage].solveButton;
    if (solve != 0) {
        SendDlgItemMessageW(CurrentPage(), solve, BM_CLICK, 0, 0);
    }
}

void SelectAllInFocusedBox() {
    const HWND focus = GetFocus();
    if (IsEditBox(focus)) {
        Edit_SetSel(focus, 0, -1);
    }
}

void OnCommand(HWND window, int id, HWND control, UINT code) {
    switch (id) {
        case IDM_EXIT:
            SendMessageW(window, WM_CLOSE, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
            return;
        case IDM_HELP:
            HelpCommand(window);
            return;
        case IDM_ABOUT:
            ShowAboutBox(window);
            return;
        case IDM_OPEN:
            OpenCommand(window);
            return;
        case IDM_SAVE_RESULT:
            SaveResultCommand(window);
            return;
        case IDM_SOLVE:
            PressSolveButton();
            return;
        case IDM_SELECT_ALL:
            SelectAllInFocusedBox();
            return;
        default:
            break;
    }
    const auto page = std::ranges::find(kPageTable, id, &PageRow::buttonId);
    constexpr UINT kFromAccelerator = 1;
    if (page != kPageTable.end() && (code == BN_CLICKED || code == kFromAccelerator)) {
        ShowPage(window, static_cast<size_t>(page - kPageTable.begin()));
    }
}

// "Сохранить результат..." is greyed while the result box is empty.
void OnInitMenuPopup(HWND, HMENU menu, UINT, BOOL systemMenu) {
    if (!systemMenu) {
        const bool empty = GetWindowTextLengthW(CurrentPageBoxes().result) == 0;
        EnableMenuItem(menu, IDM_SAVE_RESULT, MF_BYCOMMAND | (empty ? MF_GRAYED : MF_ENABLED));
    }
}

void OnDropFiles(HWND window, HDROP drop) {
    OpenDroppedFile(window, drop);
}

void OnDpiChanged(HWND window, UINT dpi, const RECT* suggested) {
    LayOut(window, dpi, suggested);
}

}  // namespace

PageBoxes CurrentPageBoxes() {
    const PageRow& row = kPageTable[Shell.currentPage];
    return {GetDlgItem(CurrentPage(), Shell.inputBox[Shell.currentPage]),
            GetDlgItem(CurrentPage(), row.resultBox), row.resultFile};
}

bool TabAcrossPageEdge(const MSG& message) {
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB) {
        return false;
    }
    const bool back = GetKeyState(VK_SHIFT) < 0;
    const HWND button = GetDlgItem(Shell.mainWindow, kPageTable[Shell.currentPage].buttonId);
    const HWND focus = GetFocus();
    if (focus == button) {
        // Into the page as the dialog keys do it: an edit box's text comes selected.
        SendMessageW(CurrentPage(), WM_NEXTDLGCTL,
                     reinterpret_cast<WPARAM>(EdgeTabStop(CurrentPage(), back)), TRUE);
        return true;
    }
    if (focus == EdgeTabStop(CurrentPage(), !back)) {
        SetFocus(button);
        return true;
    }
    return false;
}

UINT StartDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return static_cast<UINT>(dpi);
}

RECT MainWindowRect(UINT dpi) {
    const Box box = Scaled(kWindowAt96, dpi);
    RECT frame{box.x, box.y, box.x + box.width, box.y + box.height};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromRect(&frame, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    OffsetRect(&frame, std::min(0L, work.right - frame.right),
               std::min(0L, work.bottom - frame.bottom));
    OffsetRect(&frame, std::max(0L, work.left - frame.left), std::max(0L, work.top - frame.top));
    return frame;
}

void DeleteFonts(const ShellFonts& fonts) {
    for (const HFONT font : {fonts.edit, fonts.button, fonts.dialog}) {
        if (font != nullptr) {
            DeleteObject(font);
        }
    }
}

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(window, WM_CREATE, OnCreate);
        HANDLE_MSG(window, WM_DESTROY, OnDestroy);
        HANDLE_MSG(window, WM_ACTIVATE, OnActivate);
        HANDLE_MSG(window, WM_COMMAND, OnCommand);
        HANDLE_MSG(window, WM_INITMENUPOPUP, OnInitMenuPopup);
        HANDLE_MSG(window, WM_DROPFILES, OnDropFiles);
        case WM_DPICHANGED:
            OnDpiChanged(window, HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}
