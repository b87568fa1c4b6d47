// What the expression and equations pages share: one input box, one button, one result box.
#pragma once

#include <windows.h>

#include <string_view>

#include "PageAnswer.h"

struct OneBoxPage {
    WPARAM button;
    int inputBox;
    int resultBox;
    PageAnswer (*answer)(std::u16string_view input);
};

// When `command` is the page's button: the whole input box's text in, the answer to the result box.
void SolveOneBoxPage(HWND page, WPARAM command, const OneBoxPage& layout);
