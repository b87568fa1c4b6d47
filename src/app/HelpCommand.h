// The Help command: opens Help.htm from the program's folder, or says that it is missing.
#pragma once

#include <windows.h>

// True when the file exists and can be opened for reading now.
bool FileOpensForReading(const wchar_t* path);

void HelpCommand(HWND window);
