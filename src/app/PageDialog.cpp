#include "PageDialog.h"

INT_PTR PageDialogResult(HWND page, UINT message, WPARAM wParam, PageCommandHandler handleCommand) {
    switch (message) {
        case WM_INITDIALOG:
            return TRUE;
        case WM_CLOSE:
            EndDialog(page, 0);
            return FALSE;
        case WM_COMMAND:
            handleCommand(page, wParam);
            return FALSE;
        default:
            return FALSE;
    }
}
