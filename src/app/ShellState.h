// The window program's state, and the routines its files call in one another.
#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "PageTable.h"

struct ShellFonts {
    HFONT edit = nullptr;    // the pages' edit boxes
    HFONT button = nullptr;  // the page buttons and the tab control
    HFONT dialog = nullptr;  // the pages' other controls
};

// A page's controls where its template puts them, in pixels at ShellState::templateDpi.
using PagePlan = std::vector<std::pair<HWND, RECT>>;

struct ShellState {
    HWND mainWindow = nullptr;
    HWND tabControl = nullptr;
    std::array<HWND, kPageCount> pages{};
    std::array<PagePlan, kPageCount> pagePlans;
    std::array<HWND, kPageCount> focusInPage{};  // where the focus was when each page was left
    size_t currentPage = 0;
    std::array<int, kPageCount> inputBox{};  // the box a file opens into, on each page
    HWND focusBeforeDeactivation = nullptr;
    UINT templateDpi = 96;  // the DPI the system placed the pages' controls for
    UINT dpi = 96;          // the DPI the window is laid out for
    ShellFonts fonts;
};

extern ShellState Shell;

// MainWindow.cpp
LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The DPI of the screen the program starts on.
UINT StartDpi();
// The main window's screen rectangle at `dpi`, moved onto the work area of its monitor.
RECT MainWindowRect(UINT dpi);
void DeleteFonts(const ShellFonts& fonts);
// Tab from the page's last stop, or Shift+Tab from its first, goes to the page's button, and
// from there into the page again; whether `message` was such a key.
bool TabAcrossPageEdge(const MSG& message);

// The page shown: the box a file opens into, and its result box with the name suggested for
// its file.
struct PageBoxes {
    HWND input;
    HWND result;
    const wchar_t* resultFile;
};
PageBoxes CurrentPageBoxes();

// PageDialogs.cpp
std::u16string TextOfBox(HWND box);
// The procedure of every page; its creation parameter is the page's row in kPageTable.
INT_PTR CALLBACK PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
bool IsEditBox(HWND window);
// Gives the page's edit boxes Shell.fonts.edit and its other controls Shell.fonts.dialog.
void SetPageFonts(HWND page);

// HelpAndAbout.cpp
void HelpCommand(HWND window);
void ShowAboutBox(HWND owner);
// A message box with the caption "Ошибка".
void ShowError(HWND owner, const wchar_t* text);

// FileCommands.cpp
void OpenCommand(HWND window);
void SaveResultCommand(HWND window);
// Opens the first file dropped on the window.
void OpenDroppedFile(HWND window, HDROP drop);
