#include "ExpressionPage.h"
#include "OneBoxPage.h"
#include "PageDialog.h"
#include "PageProcedures.h"
#include "resource.h"

namespace {

void SolveExpression(HWND page, WPARAM command) {
    SolveOneBoxPage(
        page, command,
        {IDC_EXPRESSION_SOLVE, IDC_EXPRESSION_INPUT, IDC_EXPRESSION_RESULT, ExpressionPageAnswer});
}

}  // namespace

INT_PTR CALLBACK ExpressionPageProc(HWND page, UINT message, WPARAM wParam, LPARAM) {
    return PageDialogResult(page, message, wParam, SolveExpression);
}
