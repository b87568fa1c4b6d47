#include "Controls.h"

#include <windowsx.h>

std::wstring Wide(std::u16string_view text) {
    return {text.begin(), text.end()};
}

std::u16string Utf16(std::wstring_view text) {
    return {text.begin(), text.end()};
}

std::u16string TextOfBox(HWND box) {
    const int length = GetWindowTextLengthW(box);
    std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(box, buffer.data(), length + 1);
    return Utf16(std::wstring_view(buffer).substr(0, static_cast<size_t>(copied)));
}

void SetBoxText(HWND box, std::u16string_view text) {
    SetWindowTextW(box, Wide(text).c_str());
}

RECT RectInPage(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowRect(nullptr, GetParent(control), &rect);
    return rect;
}

bool IsOfClass(HWND window, const wchar_t* className) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    return lstrcmpiW(name, className) == 0;
}
