// Start-up and the message loop.
// The other Windows headers need <windows.h> first.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include "MainLayout.h"
#include "MainWindow.h"
#include "resource.h"
#include "ShellState.h"

ShellState Shell;

namespace {

void RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_VREDRAW | CS_HREDRAW;
    windowClass.lpfnWndProc = MainWndProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_NEROLITH));
    windowClass.hIconSm = windowClass.hIcon;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszMenuName = MAKEINTRESOURCEW(IDM_MAIN_MENU);
    windowClass.lpszClassName = L"TNerolithWindow";
    RegisterClassExW(&windowClass);
}

// The keys of the accelerator table first, then the dialog keys (Tab, Enter, Escape) of the
// page shown.
bool IsShellKey(HACCEL keys, MSG& message) {
    return TranslateAcceleratorW(Shell.mainWindow, keys, &message) != 0 ||
           TabAcrossPageEdge(message) ||
           IsDialogMessageW(Shell.pages[Shell.currentPage], &message) != 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    RegisterMainWindowClass(instance);
    Shell.dpi = StartDpi();
    const RECT frame = MainWindowRect(Shell.dpi);
    Shell.mainWindow = CreateWindowExW(
        0, L"TNerolithWindow", L"Nerolith", WS_OVERLAPPEDWINDOW, frame.left, frame.top,
        frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    if (Shell.mainWindow == nullptr) {
        return 0;
    }
    const HACCEL keys = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDA_KEYS));
    ShowWindow(Shell.mainWindow, showCommand);
    UpdateWindow(Shell.mainWindow);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) != 0) {
        if (!IsShellKey(keys, message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

int main() {
    InitCommonControls();
    WinMain(GetModuleHandleW(nullptr), nullptr, GetCommandLineA(), SW_SHOWDEFAULT);
    return 0;
}
