#include "BoxTextIo.h"
#include "ExpressionPage.h"
#include "PageDialog.h"
#include "PageProcedures.h"
#include "resource.h"

namespace {

void SolveExpression(HWND page, WPARAM command) {
    if (command != IDC_EXPRESSION_SOLVE) {
        return;
    }
    const PageAnswer answer = ExpressionPageAnswer(ReadBoxText(page, IDC_EXPRESSION_INPUT));
    WriteBoxText(page, IDC_EXPRESSION_RESULT, answer.text);
}

}  // namespace

INT_PTR CALLBACK ExpressionPageProc(HWND page, UINT message, WPARAM wParam, LPARAM) {
    return PageDialogResult(page, message, wParam, SolveExpression);
}
