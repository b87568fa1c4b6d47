#include "ShellState.h"

HFONT EditFont = nullptr;
HFONT ButtonFont = nullptr;
HWND MainWindow = nullptr;
HWND TabControl = nullptr;
HWND PageExpression = nullptr;
HWND PageMatrix = nullptr;
HWND PageEquations = nullptr;
HWND CurrentPage = nullptr;
