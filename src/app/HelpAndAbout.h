// The Help command, the About box, and the window's error boxes.
#pragma once

#include <windows.h>

void HelpCommand(HWND window);
void ShowAboutBox(HWND owner);
// A message box with the caption "Ошибка".
void ShowError(HWND owner, const wchar_t* text);
