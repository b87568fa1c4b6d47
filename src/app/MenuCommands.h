// The menu's commands: Exit, Help and About.
#pragma once

#include <windows.h>

// Runs the command whose id is the low word of wParam, if it is a menu command.
void RunMenuCommand(HWND window, WPARAM wParam, LPARAM lParam);
