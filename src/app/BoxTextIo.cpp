#include "BoxTextIo.h"

std::u16string ReadBoxText(HWND dialog, int boxId) {
    const HWND box = GetDlgItem(dialog, boxId);
    const int length = GetWindowTextLengthW(box);
    std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(box, buffer.data(), length + 1);
    return std::u16string(buffer.begin(), buffer.begin() + copied);
}

void WriteBoxText(HWND dialog, int boxId, const std::u16string& text) {
    const std::wstring wide(text.begin(), text.end());
    SetDlgItemTextW(dialog, boxId, wide.c_str());
}
