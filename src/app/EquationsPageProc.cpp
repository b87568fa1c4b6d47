#include "BoxTextIo.h"
#include "EquationsPage.h"
#include "PageDialog.h"
#include "PageProcedures.h"
#include "resource.h"

namespace {

void SolveSystem(HWND page, WPARAM command) {
    if (command != IDC_EQUATIONS_SOLVE) {
        return;
    }
    const PageAnswer answer = EquationsPageAnswer(ReadBoxText(page, IDC_EQUATIONS_INPUT));
    WriteBoxText(page, IDC_EQUATIONS_RESULT, answer.text);
}

}  // namespace

INT_PTR CALLBACK EquationsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM) {
    return PageDialogResult(page, message, wParam, SolveSystem);
}
