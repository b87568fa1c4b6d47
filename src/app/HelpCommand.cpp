#include "HelpCommand.h"

#include <shellapi.h>

#include <string>

#include "FolderOfPath.h"

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

}  // namespace

bool FileOpensForReading(const wchar_t* path) {
    const HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    CloseHandle(file);
    return true;
}

void HelpCommand(HWND window) {
    const std::wstring folder = FolderOfPath(ProgramPath());
    const std::wstring helpPath = folder + L"Help.htm";
    if (FileOpensForReading(helpPath.c_str())) {
        ShellExecuteW(window, nullptr, helpPath.c_str(), L"", folder.c_str(), SW_SHOWDEFAULT);
    } else {
        MessageBoxW(window, L"Файл справки отсутствует!", L"Ошибка", MB_ICONHAND | MB_OK);
    }
}
