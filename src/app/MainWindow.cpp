#include "MainWindow.h"

#include "MainWindowChildren.h"
#include "MenuCommands.h"
#include "PageSwitch.h"
#include "PageTable.h"
#include "ShellState.h"

namespace {

void DestroyMainWindow() {
    for (const PageRow& row : kPageTable) {
        EndDialog(*row.page, 1);
    }
    DeleteObject(EditFont);
    DeleteObject(ButtonFont);
    PostQuitMessage(0);
}

// True when the command was a page button's.
bool SwitchPage(WPARAM command) {
    for (const PageRow& row : kPageTable) {
        if (command == static_cast<WPARAM>(row.buttonId)) {
            ShowPage(row);
            return true;
        }
    }
    return false;
}

}  // namespace

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            CreateMainWindowChildren(window);
            return 0;
        case WM_DESTROY:
            DestroyMainWindow();
            return 0;
        case WM_COMMAND:
            RunMenuCommand(window, wParam, lParam);
            if (SwitchPage(wParam)) {
                return 0;
            }
            break;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
