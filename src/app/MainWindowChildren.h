// The controls and pages that the main window makes when it is created.
#pragma once

#include <windows.h>

void CreateMainWindowChildren(HWND window);
