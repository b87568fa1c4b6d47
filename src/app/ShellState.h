// The window program's module state: set during start-up, read by the handlers.
#pragma once

#include <windows.h>

extern HFONT EditFont;    // the edit boxes of the pages
extern HFONT ButtonFont;  // the page buttons and the tab control
extern HWND MainWindow;
extern HWND TabControl;
extern HWND PageExpression;
extern HWND PageMatrix;
extern HWND PageEquations;
extern HWND CurrentPage;  // the page now shown
