// What every page's dialog procedure does, given what its buttons do.
#pragma once

#include <windows.h>

// Runs a button's calculation when `command` is one of the page's buttons.
using PageCommandHandler = void (*)(HWND page, WPARAM command);

INT_PTR PageDialogResult(HWND page, UINT message, WPARAM wParam, PageCommandHandler handleCommand);
