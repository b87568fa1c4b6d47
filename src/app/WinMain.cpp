#include <windows.h>

#include "MainWindow.h"
#include "resource.h"
#include "ShellState.h"

namespace {

// Where the face is missing, the pitch and family pick the stand-in.
HFONT CreateFaceFont(int height, const wchar_t* face, BYTE pitchAndFamily) {
    return CreateFontW(height, 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, pitchAndFamily,
                       face);
}

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

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    EditFont = CreateFaceFont(-10, L"Courier New", FIXED_PITCH | FF_MODERN);
    ButtonFont = CreateFaceFont(-11, L"MS Shell Dlg", DEFAULT_PITCH);
    RegisterMainWindowClass(instance);
    MainWindow = CreateWindowExW(0, L"TNerolithWindow", L"Nerolith",
                                 WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 155, 146, 588, 405,
                                 nullptr, nullptr, instance, nullptr);
    if (MainWindow == nullptr) {
        return 0;
    }
    ShowWindow(MainWindow, showCommand);
    UpdateWindow(MainWindow);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) != 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
