// The main window: the page buttons and the tab control that frames the page shown, the page
// switch, the menu commands and the keys.
// The other Windows headers need <windows.h> first.
// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>
// clang-format on

#include "MainWindow.h"

#include <algorithm>
#include <array>
#include <span>
#include <utility>
#include <vector>

#include "Controls.h"
#include "FileCommands.h"
#include "HelpAndAbout.h"
#include "MainLayout.h"
#include "PageDialogs.h"
#include "resource.h"
#include "ShellState.h"
#include "WorkingPage.h"

namespace {

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

void CreatePages(HWND window) {
    // Pages are laid out here, not by the system when the DPI changes.
    static auto* const keepLayout =
        User32Function<BOOL WINAPI(HWND, DIALOG_DPI_CHANGE_BEHAVIORS, DIALOG_DPI_CHANGE_BEHAVIORS)>(
            "SetDialogDpiChangeBehavior");
    for (size_t i = 0; i < kPageCount; ++i) {
        Shell.pages[i] = CreateDialogParamW(GetWindowInstance(window),
                                            MAKEINTRESOURCEW(kPageTable[i].dialogTemplate),
                                            Shell.tabControl, PageProc, static_cast<LPARAM>(i));
        if (keepLayout != nullptr) {
            keepLayout(Shell.pages[i], DDC_DISABLE_ALL, DDC_DISABLE_ALL);
        }
        if (i != Shell.currentPage) {
            ShowWindow(Shell.pages[i], SW_HIDE);
        }
        Shell.inputBox[i] = kPageTable[i].inputBoxes[0];
    }
}

BOOL OnCreate(HWND window, LPCREATESTRUCT) {
    // The pages come laid out by the system for the window's DPI.
    Shell.dpi = DpiOf(window);
    Shell.templateDpi = Shell.dpi;
    Shell.fonts = FontsForDpi(Shell.dpi);
    CreateChildren(window, Shell.dpi);
    CheckPageButton(window, Shell.currentPage);
    Shell.tabControl = FindWindowExW(window, nullptr, WC_TABCONTROLW, nullptr);
    InsertPageTab(kPageTable[0]);
    CreatePages(window);
    SetChildFonts(window);
    // The smallest size the pages need in their font, which the window was not made with.
    const RECT frame = MainWindowRect(Shell.dpi);
    SetWindowPos(window, nullptr, frame.left, frame.top, frame.right - frame.left,
                 frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
    LayOut(window, Shell.dpi);
    DragAcceptFiles(window, TRUE);
    return TRUE;
}

// The calculation, if one runs, stops before the window goes.
void OnClose(HWND window) {
    StopPageWork();
    FinishPageWork();
    DestroyWindow(window);
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

// As the button's click, when it can be clicked, but the focus stays where it is.
void PressSolveButton() {
    const int solve = kPageTable[Shell.currentPage].solveButton;
    const HWND button = GetDlgItem(CurrentPage(), solve);
    if (solve != 0 && IsWindowEnabled(button) && !IsPageWorking(CurrentPage())) {
        FORWARD_WM_COMMAND(CurrentPage(), solve, button, BN_CLICKED, SendMessageW);
    }
}

void SelectAllInFocusedBox() {
    const HWND focus = GetFocus();
    if (IsOfClass(focus, L"Edit")) {
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
        case IDM_STOP:
            StopPageWork();
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

// "Сохранить результат..." is greyed while the result box is empty, "Открыть..." while the page
// calculates.
void OnInitMenuPopup(HWND, HMENU menu, UINT, BOOL systemMenu) {
    if (!systemMenu) {
        const bool empty = GetWindowTextLengthW(CurrentPageBoxes().result) == 0;
        EnableMenuItem(menu, IDM_SAVE_RESULT, MF_BYCOMMAND | (empty ? MF_GRAYED : MF_ENABLED));
        const bool working = IsPageWorking(CurrentPage());
        EnableMenuItem(menu, IDM_OPEN, MF_BYCOMMAND | (working ? MF_GRAYED : MF_ENABLED));
    }
}

void OnDropFiles(HWND window, HDROP drop) {
    OpenDroppedFile(window, drop);
}

void OnDpiChanged(HWND window, UINT dpi, const RECT* suggested) {
    Shell.dpi = dpi;
    const ShellFonts oldFonts = std::exchange(Shell.fonts, FontsForDpi(dpi));
    SetChildFonts(window);
    for (const HWND page : Shell.pages) {
        SetPageFonts(page);
    }
    SetWindowPos(window, nullptr, suggested->left, suggested->top,
                 suggested->right - suggested->left, suggested->bottom - suggested->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    LayOut(window, dpi);
}

void OnSize(HWND window, UINT state, int, int) {
    if (state != SIZE_MINIMIZED && Shell.tabControl != nullptr) {
        LayOut(window, Shell.dpi);
    }
}

// The window is never smaller than its smallest size at its DPI.
void OnGetMinMaxInfo(HWND, LPMINMAXINFO limits) {
    const SIZE smallest = SmallestWindowSize(Shell.dpi);
    limits->ptMinTrackSize = {smallest.cx, smallest.cy};
}

}  // namespace

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

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(window, WM_CREATE, OnCreate);
        HANDLE_MSG(window, WM_CLOSE, OnClose);
        HANDLE_MSG(window, WM_DESTROY, OnDestroy);
        HANDLE_MSG(window, WM_ACTIVATE, OnActivate);
        HANDLE_MSG(window, WM_COMMAND, OnCommand);
        HANDLE_MSG(window, WM_INITMENUPOPUP, OnInitMenuPopup);
        HANDLE_MSG(window, WM_DROPFILES, OnDropFiles);
        HANDLE_MSG(window, WM_SIZE, OnSize);
        HANDLE_MSG(window, WM_GETMINMAXINFO, OnGetMinMaxInfo);
        case WM_DPICHANGED:
            OnDpiChanged(window, HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}
