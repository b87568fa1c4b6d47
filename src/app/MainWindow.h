// The main window: the page buttons, the tab control that frames the page shown, and their
// layout at any display scale.
#pragma once

#include <windows.h>

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The DPI of the screen the program starts on.
UINT StartDpi();
// The main window's screen rectangle at `dpi`, moved onto the work area of its monitor.
RECT MainWindowRect(UINT dpi);
// Tab from the page's last stop, or Shift+Tab from its first, goes to the page's button, and
// from there into the page again; whether `message` was such a key.
bool TabAcrossPageEdge(const MSG& message);
