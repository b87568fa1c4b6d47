// The window program's state, and the routines its files call in one another.
#pragma once

#include <windows.h>

#include <array>
#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "Calculation.h"
#include "PageAnswer.h"
#include "PageTable.h"

struct ShellFonts {
    HFONT edit = nullptr;    // the pages' edit boxes
    HFONT button = nullptr;  // the page buttons and the tab control
    HFONT dialog = nullptr;  // the pages' other controls
};

// A page's controls where its template puts them, in pixels at ShellState::templateDpi.
using PagePlan = std::vector<std::pair<HWND, RECT>>;

// The calculation a page runs on the worker thread; page is nullptr while none runs.
struct PageWork {
    HWND page = nullptr;
    int button = 0;           // the button that started it, now the stop button
    std::wstring buttonText;  // that button's own text, while it is the stop button
    std::thread worker;
    CalculationWatch watch;
    std::atomic<size_t> done{0};  // the last step reported, done of total
    std::atomic<size_t> total{0};
    DWORD startTick = 0;
    HWND focus = nullptr;        // where the focus was when the page began to wait
    HWND progressBar = nullptr;  // shown once the calculation has run a short while
    PageAnswer answer;           // written by the worker, read once it has ended
};

// Posted by the worker when its calculation has ended.
constexpr UINT WM_PAGE_WORK_DONE = WM_APP + 1;

struct ShellState {
    HWND mainWindow = nullptr;
    HWND tabControl = nullptr;
    std::array<HWND, kPageCount> pages{};
    std::array<PagePlan, kPageCount> pagePlans;
    std::array<LONG, kPageCount> pageHeights{};  // as the templates give them, at templateDpi
    std::array<HWND, kPageCount> focusInPage{};  // where the focus was when each page was left
    size_t currentPage = 0;
    std::array<int, kPageCount> inputBox{};  // the box a file opens into, on each page
    HWND focusBeforeDeactivation = nullptr;
    UINT templateDpi = 96;  // the DPI the system placed the pages' controls for
    UINT dpi = 96;          // the DPI the window is laid out for
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
// The page's row in kPageTable; kPageCount for a window that is no page.
size_t RowOf(HWND page);
// The control's rectangle in its parent's client area.
RECT RectInPage(HWND control);
// Gives the page's edit boxes Shell.fonts.edit and its other controls Shell.fonts.dialog.
void SetPageFonts(HWND page);

// Shows the answer in the page's result box; a refused character comes selected in its input
// box, which takes the focus.
void ShowAnswer(HWND page, const PageAnswer& answer);

// PageWork.cpp
// Runs `calculate` on the worker thread and shows its answer (ShowAnswer); while a calculation
// runs, a press of its button stops it and other presses do nothing.
void StartPageWork(HWND page, int button, std::function<PageAnswer()> calculate);
void StopPageWork();
// Whether `page` runs a calculation; its boxes take no new text then.
bool IsPageWorking(HWND page);
// Places the progress bar, if shown, in the row of the result box's label.
void PlaceProgressBar();
void OnPageWorkDone();
void OnPageWorkTimer(HWND window, UINT id);
// Stops the calculation and waits for the worker to end.
void EndPageWork();
// The busy cursor over the page that runs a calculation but on its stop button; whether set.
bool SetPageWorkCursor(HWND page, HWND under);

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
