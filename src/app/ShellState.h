// The window program's state, and the routines its files call in one another.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <string>

constexpr size_t kPageCount = 3;

struct ShellFonts {
    HFONT edit = nullptr;    // the pages' edit boxes
    HFONT button = nullptr;  // the page buttons and the tab control
    HFONT dialog = nullptr;  // the pages' other controls, once the DPI has changed
};

struct ShellState {
    HWND mainWindow = nullptr;
    HWND tabControl = nullptr;
    std::array<HWND, kPageCount> pages{};
    std::array<HWND, kPageCount> focusInPage{};  // where the focus was when each page was left
    size_t currentPage = 0;
    std::array<int, kPageCount> inputBox{};  // the box a file opens into, on each page
    HWND focusBeforeDeactivation = nullptr;
    UINT pageDpi = 96;  // the DPI the pages' controls are laid out for
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
// The expression and equations pages share one procedure.
INT_PTR CALLBACK OneBoxPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK MatrixPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

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
