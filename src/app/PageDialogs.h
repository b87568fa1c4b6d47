// The three calculator pages: each sets itself up, passes its boxes' texts to the worker and
// shows the answer in its result box.
#pragma once

#include <windows.h>

// The procedure of every page; its creation parameter is the page's row in kPageTable.
INT_PTR CALLBACK PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

// Gives the page's edit boxes Shell.fonts.edit and its other controls Shell.fonts.dialog.
void SetPageFonts(HWND page);

// The page shown: the box a file opens into, and its result box with the name suggested for
// its file.
struct PageBoxes {
    HWND input;
    HWND result;
    const wchar_t* resultFile;
};
PageBoxes CurrentPageBoxes();
