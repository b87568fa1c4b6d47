// The Help command, which opens Help.htm from the program's folder, and the About box.
// The other Windows headers need <windows.h> first.
// clang-format off
#include <windows.h>
#include <shellapi.h>
#include <windowsx.h>
// clang-format on

#include "HelpAndAbout.h"

#include <string>
#include <string_view>

#include "Handles.h"
#include "resource.h"
#include "ShellState.h"

namespace {

std::wstring ProgramPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

// The characters of `path` up to and including its last backslash; empty when it has none.
std::wstring FolderOfPath(std::wstring_view path) {
    const size_t lastBackslash = path.rfind(L'\\');
    if (lastBackslash == std::wstring_view::npos) {
        return {};
    }
    return std::wstring(path.substr(0, lastBackslash + 1));
}

bool FileOpensForReading(const wchar_t* path) {
    return ScopedFile(CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr))
        .IsValid();
}

void OnAboutCommand(HWND dialog, int id, HWND, UINT) {
    // Escape (IDCANCEL) closes the box as OK does.
    if (id == IDC_ABOUT_OK || id == IDCANCEL) {
        EndDialog(dialog, 1);
    }
}

// The picture's source is drawn four times as large as at 96 DPI.
constexpr int kPictureSourceDpi = 4 * USER_DEFAULT_SCREEN_DPI;

// The picture, scaled down from its source for the window's DPI with the pixels averaged.
BOOL OnAboutInit(HWND dialog, HWND, LPARAM) {
    const ScopedBitmap source(static_cast<HBITMAP>(
        LoadImageW(GetWindowInstance(dialog), MAKEINTRESOURCEW(IDB_ABOUT_PICTURE), IMAGE_BITMAP, 0,
                   0, LR_CREATEDIBSECTION)));
    BITMAP size{};
    GetObjectW(source.Get(), sizeof(size), &size);
    const int dpi = static_cast<int>(Shell.dpi);
    const int width = MulDiv(size.bmWidth, dpi, kPictureSourceDpi);
    const int height = MulDiv(size.bmHeight, dpi, kPictureSourceDpi);
    const ScreenDc screen(GetDC(nullptr));
    ScopedBitmap picture(CreateCompatibleBitmap(screen.Get(), width, height));
    {
        const MemoryDc from(CreateCompatibleDC(screen.Get()));
        const MemoryDc to(CreateCompatibleDC(screen.Get()));
        const HGDIOBJ fromBefore = SelectObject(from.Get(), source.Get());
        const HGDIOBJ toBefore = SelectObject(to.Get(), picture.Get());
        SetStretchBltMode(to.Get(), HALFTONE);
        SetBrushOrgEx(to.Get(), 0, 0, nullptr);
        StretchBlt(to.Get(), 0, 0, width, height, from.Get(), 0, 0, size.bmWidth, size.bmHeight,
                   SRCCOPY);
        SelectObject(from.Get(), fromBefore);
        SelectObject(to.Get(), toBefore);
    }
    // The picture is the box's own from here (WM_DESTROY).
    SendDlgItemMessageW(dialog, IDC_ABOUT_PICTURE, STM_SETIMAGE, IMAGE_BITMAP,
                        reinterpret_cast<LPARAM>(picture.Release()));
    return TRUE;
}

// The picture is the box's own.
void OnAboutDestroy(HWND dialog) {
    const ScopedBitmap picture(reinterpret_cast<HBITMAP>(
        SendDlgItemMessageW(dialog, IDC_ABOUT_PICTURE, STM_GETIMAGE, IMAGE_BITMAP, 0)));
}

INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return HANDLE_WM_INITDIALOG(dialog, wParam, lParam, OnAboutInit);
        case WM_DESTROY:
            HANDLE_WM_DESTROY(dialog, wParam, lParam, OnAboutDestroy);
            return FALSE;
        case WM_CLOSE:
            EndDialog(dialog, 1);
            return TRUE;
        case WM_COMMAND:
            HANDLE_WM_COMMAND(dialog, wParam, lParam, OnAboutCommand);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

void HelpCommand(HWND window) {
    const std::wstring folder = FolderOfPath(ProgramPath());
    const std::wstring helpPath = folder + L"Help.htm";
    if (!FileOpensForReading(helpPath.c_str())) {
        ShowError(window, L"Файл справки отсутствует!");
        return;
    }
    // Above 32 when the system's handler for .htm files took the file.
    const auto opened = reinterpret_cast<INT_PTR>(
        ShellExecuteW(window, nullptr, helpPath.c_str(), L"", folder.c_str(), SW_SHOWDEFAULT));
    if (opened <= 32) {
        ShowError(window,
                  L"Не удалось открыть файл справки: в системе нет программы для просмотра "
                  L"файлов .htm.");
    }
}

void ShowError(HWND owner, const wchar_t* text) {
    MessageBoxW(owner, text, L"Ошибка", MB_ICONHAND | MB_OK);
}

void ShowAboutBox(HWND owner) {
    DialogBoxParamW(GetWindowInstance(owner), MAKEINTRESOURCEW(IDD_ABOUT), owner, AboutDlgProc, 0);
}
