#include "HelpHandler.h"

#include <windows.h>

#include "ProgramDriver.h"

namespace {

constexpr wchar_t kRecordName[] = L"opened.txt";
constexpr wchar_t kProgId[] = L"NerolithE2E.HelpPage";

void SetDefaultValue(const std::wstring& key, const std::wstring& value) {
    RegSetKeyValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, REG_SZ, value.c_str(),
                    static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

}  // namespace

void RegisterRecordingHandler() {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    SetDefaultValue(L".htm", kProgId);
    SetDefaultValue(std::wstring(kProgId) + L"\\shell\\open\\command",
                    L"\"" + std::wstring(self) + L"\" --record-open \"%1\"");
}

int RecordOpen(const std::wstring& file) {
    wchar_t folder[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, folder);
    const std::wstring record = file + L"\n" + folder;
    const HANDLE out = CreateFileW((FolderPart(file) + kRecordName).c_str(), GENERIC_WRITE, 0,
                                   nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out == INVALID_HANDLE_VALUE) {
        return 1;
    }
    DWORD written = 0;
    WriteFile(out, record.data(), static_cast<DWORD>(record.size() * sizeof(wchar_t)), &written,
              nullptr);
    CloseHandle(out);
    return 0;
}

// The record is read once the handler has closed it: both open it unshared.
std::optional<OpenedFile> WaitForOpenedFile(const std::wstring& folder,
                                            std::chrono::milliseconds timeout) {
    HANDLE in = INVALID_HANDLE_VALUE;
    if (!WaitFor(
            [&] {
                in = CreateFileW((folder + kRecordName).c_str(), GENERIC_READ, 0, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
                return in != INVALID_HANDLE_VALUE;
            },
            timeout)) {
        return std::nullopt;
    }
    std::wstring record(GetFileSize(in, nullptr) / sizeof(wchar_t), L'\0');
    DWORD read = 0;
    ReadFile(in, record.data(), static_cast<DWORD>(record.size() * sizeof(wchar_t)), &read,
             nullptr);
    CloseHandle(in);
    const size_t newline = record.find(L'\n');
    return OpenedFile{record.substr(0, newline), record.substr(newline + 1)};
}
