// The main window's children, the page buttons, the tab control and the frames, and their layout
// at any display scale and in any dialog font.
#pragma once

#include <windows.h>

#include "ShellState.h"

// The fonts of the window's controls at `dpi`.
ShellFonts FontsForDpi(UINT dpi);
// Creates the page buttons, the tab control and the frames, in their order below the window.
void CreateChildren(HWND window, UINT dpi);
// Gives the children their fonts: the frames keep the system's.
void SetChildFonts(HWND window);
// Lays the window out for `dpi` and its present size: the page buttons stay, as wide as their
// texts need; the tab control and the pages take the room beyond the design's size, and each
// page shares out what its controls do not need.
void LayOut(HWND window, UINT dpi);
// The window's smallest size at `dpi`: the design's, and the room the page buttons and the
// pages need in their fonts.
SIZE SmallestWindowSize(UINT dpi);
// The DPI of the screen the program starts on.
UINT StartDpi();
// The main window's screen rectangle at its smallest size at `dpi`, moved onto the work area of
// its monitor.
RECT MainWindowRect(UINT dpi);
