// The dialog procedures of the three pages.
#pragma once

#include <windows.h>

INT_PTR CALLBACK ExpressionPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK MatrixPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK EquationsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
