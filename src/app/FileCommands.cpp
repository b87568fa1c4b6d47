// "Открыть...", "Сохранить результат..." and files dropped on the window: a file's text into the
// page's input box as one edit Ctrl+Z takes back, the result box into a file replaced in one
// step, so that a failed save leaves the old file as it was.
// The other Windows headers need <windows.h> first.
// clang-format off
#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>
#include <windowsx.h>
// clang-format on

#include "FileCommands.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "Controls.h"
#include "Handles.h"
#include "HelpAndAbout.h"
#include "PageDialogs.h"
#include "ShellState.h"
#include "TextFile.h"
#include "WorkingPage.h"

namespace {

constexpr std::array<std::pair<DWORD, FileFault>, 10> kSystemFaults = {{
    {ERROR_FILE_NOT_FOUND, FileFault::NotFound},
    {ERROR_PATH_NOT_FOUND, FileFault::FolderNotFound},
    {ERROR_DIRECTORY, FileFault::FolderNotFound},
    {ERROR_ACCESS_DENIED, FileFault::NoRights},
    {ERROR_SHARING_VIOLATION, FileFault::Locked},
    {ERROR_LOCK_VIOLATION, FileFault::Locked},
    {ERROR_WRITE_PROTECT, FileFault::ReadOnly},
    {ERROR_DISK_FULL, FileFault::DiskFull},
    {ERROR_HANDLE_DISK_FULL, FileFault::DiskFull},
    {ERROR_NOT_ENOUGH_QUOTA, FileFault::DiskFull},
}};

// What the last failed call's error means to the user.
FileFault LastFault() {
    const DWORD error = GetLastError();
    const auto found = std::ranges::find(kSystemFaults, error, &std::pair<DWORD, FileFault>::first);
    return found != kSystemFaults.end() ? found->second : FileFault::Failed;
}

void ShowFileError(HWND owner, FileAction action, const std::wstring& path, FileFault fault) {
    ShowError(owner, Wide(FileMessage(action, Utf16(path), fault)).c_str());
}

// The system's Open or Save dialog; the path chosen, or an empty one.
std::wstring AskForPath(HWND owner, bool save, const wchar_t* suggested = L"") {
    std::wstring path(32768, L'\0');
    path.replace(0, wcslen(suggested), suggested);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = L"Текстовые файлы (*.txt)\0*.txt\0Все файлы (*.*)\0*.*\0";
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrDefExt = L"txt";
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                   (save ? OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST : 0);
    const BOOL chosen = save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
    path.resize(chosen ? wcslen(path.c_str()) : 0);
    return path;
}

// The file's text as the box takes it, or why not: the file is read up to one byte more than
// the largest that opens.
BoxTextOfFile ReadFromDisk(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return {{}, FileFault::NotFound};  // a folder is no file
    }
    const ScopedFile file(CreateFileW(path.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid()) {
        return {{}, LastFault()};
    }
    std::string bytes(kMaxTextFileBytes + 1, '\0');
    DWORD read = 0;
    const bool ok = ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read,
                             nullptr) != FALSE;
    const FileFault fault = ok ? FileFault::None : LastFault();
    bytes.resize(read);
    return ok ? ReadTextFile(bytes) : BoxTextOfFile{{}, fault};
}

// Replaces the whole text of the page's input box, as one edit that Ctrl+Z takes back.
bool OpenFile(HWND window, const std::wstring& path) {
    const BoxTextOfFile file = ReadFromDisk(path);
    if (file.fault != FileFault::None) {
        ShowFileError(window, FileAction::Open, path, file.fault);
        return false;
    }
    const HWND box = CurrentPageBoxes().input;
    const std::wstring text = Wide(file.text);
    Edit_SetSel(box, 0, -1);
    SendMessageW(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
    Edit_SetSel(box, 0, 0);
    Edit_ScrollCaret(box);
    SetFocus(box);
    return true;
}

// Writes `bytes` into the new file `path` and flushes them to the disk.
FileFault WriteFlushed(const wchar_t* path, const std::string& bytes) {
    const ScopedFile file(CreateFileW(path, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid()) {
        return LastFault();
    }
    DWORD written = 0;
    const bool ok =
        WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size() && FlushFileBuffers(file.Get());
    return ok ? FileFault::None : LastFault();
}

// A temporary file in the target's folder, flushed, then put in the target's place in one
// step; on any failure the temporary file goes and the target stays as it was.
FileFault SaveSafely(const std::wstring& path, const std::string& bytes) {
    const std::wstring folder = path.substr(0, path.find_last_of(L"\\/") + 1);
    wchar_t temporary[MAX_PATH] = {};
    if (GetTempFileNameW(folder.empty() ? L"." : folder.c_str(), L"~nr", 0, temporary) == 0) {
        return LastFault();
    }
    FileFault fault = WriteFlushed(temporary, bytes);
    // Checked here: Wine would replace a read-only file.
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (fault == FileFault::None && attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        fault = FileFault::ReadOnly;
    }
    if (fault == FileFault::None &&
        !MoveFileExW(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        fault = LastFault();
    }
    if (fault != FileFault::None) {
        DeleteFileW(temporary);
    }
    return fault;
}

}  // namespace

void OpenCommand(HWND window) {
    if (IsPageWorking(Shell.pages[Shell.currentPage])) {
        return;
    }
    const std::wstring path = AskForPath(window, false);
    if (!path.empty()) {
        OpenFile(window, path);
    }
}

void SaveResultCommand(HWND window) {
    const PageBoxes boxes = CurrentPageBoxes();
    const std::u16string result = TextOfBox(boxes.result);
    if (result.empty()) {  // the menu item is greyed; its key does nothing either
        return;
    }
    const std::wstring path = AskForPath(window, true, boxes.resultFile);
    if (path.empty()) {
        return;
    }
    const FileFault fault = SaveSafely(path, TextFileBytes(result));
    if (fault != FileFault::None) {
        ShowFileError(window, FileAction::Save, path, fault);
    }
}

void OpenDroppedFile(HWND window, HDROP drop) {
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    std::wstring path(DragQueryFileW(drop, 0, nullptr, 0) + 1, L'\0');
    path.resize(DragQueryFileW(drop, 0, path.data(), static_cast<UINT>(path.size())));
    DragFinish(drop);
    if (IsPageWorking(Shell.pages[Shell.currentPage])) {
        return;
    }
    if (OpenFile(window, path) && count > 1) {
        MessageBoxW(window, Wide(NamedFile(kOnlyFirstDropped, Utf16(path)) + u".").c_str(),
                    L"Nerolith", MB_ICONINFORMATION | MB_OK);
    }
}
