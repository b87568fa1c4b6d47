#include "OneBoxPage.h"

#include "BoxTextIo.h"

void SolveOneBoxPage(HWND page, WPARAM command, const OneBoxPage& layout) {
    if (command != layout.button) {
        return;
    }
    const PageAnswer answer = layout.answer(ReadBoxText(page, layout.inputBox));
    WriteBoxText(page, layout.resultBox, answer.text);
}
