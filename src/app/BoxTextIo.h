// Moves whole texts between a dialog's boxes and the pages' UTF-16 strings.
#pragma once

#include <windows.h>

#include <string>

std::u16string ReadBoxText(HWND dialog, int boxId);
void WriteBoxText(HWND dialog, int boxId, const std::u16string& text);
