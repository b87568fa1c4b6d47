#include "EquationsPage.h"
#include "OneBoxPage.h"
#include "PageDialog.h"
#include "PageProcedures.h"
#include "resource.h"

namespace {

void SolveSystem(HWND page, WPARAM command) {
    SolveOneBoxPage(
        page, command,
        {IDC_EQUATIONS_SOLVE, IDC_EQUATIONS_INPUT, IDC_EQUATIONS_RESULT, EquationsPageAnswer});
}

}  // namespace

INT_PTR CALLBACK EquationsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM) {
    return PageDialogResult(page, message, wParam, SolveSystem);
}
