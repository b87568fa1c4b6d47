// Thin helpers for the window's controls and texts, used by every window file.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// The boxes hold UTF-16 text; wchar_t is its unit here.
std::wstring Wide(std::u16string_view text);
std::u16string Utf16(std::wstring_view text);

std::u16string TextOfBox(HWND box);
void SetBoxText(HWND box, std::u16string_view text);

// The control's rectangle in its parent's client area.
RECT RectInPage(HWND control);

// Whether the window is of the class `className` (case aside).
bool IsOfClass(HWND window, const wchar_t* className);
