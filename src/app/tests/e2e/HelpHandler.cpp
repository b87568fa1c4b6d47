#include "HelpHandler.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "ProgramDriver.h"

namespace {

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

void RegisterNoHandler() {
    SetDefaultValue(L".htm", L"NerolithE2E.NoProgram");
}

// Written aside and renamed, so that the record appears whole.
int RecordOpen(const std::wstring& file) {
    const std::filesystem::path folder = FolderPart(file);
    const std::wstring record = file + L"\n" + std::filesystem::current_path().wstring();
    std::ofstream(folder / L"opened.tmp", std::ios::binary)
        .write(reinterpret_cast<const char*>(record.data()),
               static_cast<std::streamsize>(record.size() * sizeof(wchar_t)));
    std::error_code error;
    std::filesystem::rename(folder / L"opened.tmp", folder / L"opened.txt", error);
    return error ? 1 : 0;
}

std::optional<std::wstring> WaitForOpenedFile(const std::wstring& folder,
                                              std::chrono::milliseconds timeout) {
    const std::filesystem::path record = std::filesystem::path(folder) / L"opened.txt";
    std::error_code error;
    if (!WaitFor([&] { return std::filesystem::exists(record, error); }, timeout)) {
        return std::nullopt;
    }
    std::ifstream in(record, std::ios::binary);
    const std::string bytes(std::istreambuf_iterator<char>(in), {});
    return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()),
                        bytes.size() / sizeof(wchar_t));
}
