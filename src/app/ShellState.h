// The window program's state, one struct that every window file reads.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "Handles.h"
#include "PageTable.h"
#include "PageWork.h"

struct ShellFonts {
    ScopedFont edit;    // the pages' edit boxes
    ScopedFont button;  // the page buttons and the tab control
    ScopedFont dialog;  // the pages' other controls
};

// A page's controls where its template puts them, in pixels at ShellState::templateDpi.
using PagePlan = std::vector<std::pair<HWND, RECT>>;

// The page whose answer the worker computes; page is nullptr while none is.
struct WorkingPage {
    HWND page = nullptr;
    int button = 0;           // the button that started it, now the stop button
    std::wstring buttonText;  // that button's own text, while it is the stop button
    DWORD startTick = 0;
    HWND focus = nullptr;        // where the focus was when the page began to wait
    HWND progressBar = nullptr;  // shown once the calculation has run a short while
};

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
    WorkingPage working;
    PageWork work;
};

extern ShellState Shell;
