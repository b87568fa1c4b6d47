// The window program's state, and the routines its files call in one another.
#pragma once

#include <windows.h>

#include <array>
#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <thread>

#include "Calculation.h"
#include "PageAnswer.h"

constexpr size_t kPageCount = 3;

struct ShellFonts {
    HFONT edit = nullptr;    // the pages' edit boxes
    HFONT button = nullptr;  // the page buttons and the tab control
    HFONT dialog = nullptr;  // the pages' other controls, once the DPI has changed
};

// The calculation a page runs on the worker thread; page is nullptr while none runs.
struct PageWork {
    HWND page = nullptr;
    int button = 0;  // the button that started it, now the stop button
    int resultBox = 0;
    std::wstring buttonText;  // that button's own text, while it is the stop button
    std::thread worker;
    CalculationWatch watch;
    std::atomic<size_t> done{0};  // the last step reported, done of total
    std::atomic<size_t> total{0};
    DWORD startTick = 0;
    HWND progressBar = nullptr;  // shown once the calculation has run a short while
    PageAnswer answer;           // written by the worker, read once it has ended
};

// Posted by the worker when its calculation has ended.
constexpr UINT WM_PAGE_WORK_DONE = WM_APP + 1;

struct ShellState {
    HWND mainWindow = nullptr;
    HWND tabControl = nullptr;
    std::array<HWND, kPageCount> pages{};
    std::array<HWND, kPageCount> focusInPage{};  // where the focus was when each page was left
    size_t currentPage = 0;
    HWND focusBeforeDeactivation = nullptr;
    UINT pageDpi = 96;  // the DPI the pages' controls are laid out for
    ShellFonts fonts;
    PageWork work;
};

extern ShellState Shell;

// MainWindow.cpp
LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The DPI of the screen the program starts on.
UINT StartDpi();
// The main window's screen rectangle at `dpi`, moved onto the work area of its monitor.
RECT MainWindowRect(UINT dpi);
void DeleteFonts(const ShellFonts& fonts);
// Whether the window is of the class `className` (case aside).
bool IsOfClass(HWND window, const wchar_t* className);
// Tab from the page's last stop, or Shift+Tab from its first, goes to the page's button, and
// from there into the page again; whether `message` was such a key.
bool TabAcrossPageEdge(const MSG& message);

// PageDialogs.cpp
// The expression and equations pages share one procedure.
INT_PTR CALLBACK OneBoxPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK MatrixPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

// PageWork.cpp
// Runs `calculate` on the worker thread and puts its answer into the page's result box; while
// a calculation runs, a press of its button stops it and other presses do nothing.
void StartPageWork(HWND page, int button, int resultBox, std::function<PageAnswer()> calculate);
void StopPageWork();
void OnPageWorkDone();
void OnPageWorkTimer(HWND window, UINT id);
// Stops the calculation and waits for the worker to end.
void EndPageWork();
// The busy cursor over the page that runs a calculation but on its stop button; whether set.
bool SetPageWorkCursor(HWND page, HWND under);

// HelpAndAbout.cpp
void HelpCommand(HWND window);
void ShowAboutBox(HWND owner);
