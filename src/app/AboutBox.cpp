#include "AboutBox.h"

#include "resource.h"

INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            return TRUE;
        case WM_CLOSE:
            EndDialog(dialog, 1);
            return FALSE;
        case WM_COMMAND:
            if (wParam == IDC_ABOUT_OK) {
                EndDialog(dialog, 1);
            }
            return FALSE;
        default:
            return FALSE;
    }
}

void ShowAboutBox(HWND owner) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE));
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_ABOUT), owner, AboutDlgProc, 0);
}
