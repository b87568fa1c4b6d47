// "Открыть...", "Сохранить результат..." and files dropped on the window.
#pragma once

#include <shellapi.h>
#include <windows.h>

void OpenCommand(HWND window);
void SaveResultCommand(HWND window);
// Opens the first file dropped on the window.
void OpenDroppedFile(HWND window, HDROP drop);
