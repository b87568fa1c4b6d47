// The three pages, in the order of their buttons from top to bottom.
#pragma once

#include <windows.h>

#include <array>

struct PageRow {
    int buttonId;
    const wchar_t* caption;  // the button's text and the tab's caption
    int captionLength;
    int dialogTemplate;
    DLGPROC procedure;
    HWND* page;  // where the page's dialog is kept
};

extern const std::array<PageRow, 3> kPageTable;
