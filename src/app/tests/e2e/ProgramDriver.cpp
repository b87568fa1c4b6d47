#include "ProgramDriver.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <thread>

namespace {

// A shown top-level window of the process; any caption when `caption` is null.
// A window is shown only once its controls exist, so a caller never sees one half-built.
HWND FindTopLevel(DWORD processId, const wchar_t* className, const wchar_t* caption) {
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, className, caption)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && IsWindowVisible(window)) {
            return window;
        }
    }
    return nullptr;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM lParam) {
    reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(window);
    return TRUE;
}

}  // namespace

NerolithProcess::NerolithProcess(const std::wstring& program, const std::wstring& commandLine,
                                 const std::wstring& folder) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    std::wstring mutableCommandLine = commandLine;
    if (!CreateProcessW(program.c_str(), mutableCommandLine.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, folder.c_str(), &startup, &process_)) {
        ADD_FAILURE() << "cannot start the program, error " << GetLastError();
        return;
    }
    const auto found = [&] {
        return (mainWindow_ = FindTopLevel(process_.dwProcessId, L"TNerolithWindow", nullptr));
    };
    if (!WaitFor(found, std::chrono::seconds(30))) {
        ADD_FAILURE() << "the main window did not appear";
    }
}

NerolithProcess::NerolithProcess(const std::wstring& program)
    : NerolithProcess(program, L"\"" + program + L"\"", FolderPart(program)) {}

NerolithProcess::~NerolithProcess() {
    for (void* copy : copies_) {
        VirtualFreeEx(process_.hProcess, copy, 0, MEM_RELEASE);
    }
    if (process_.hProcess != nullptr && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 0);
        WaitForSingleObject(process_.hProcess, 10000);
    }
    Detach();
}

void NerolithProcess::Detach() {
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
    process_ = {};
}

HWND NerolithProcess::Control(int id) const {
    for (const HWND window : Descendants(mainWindow_)) {
        if (GetDlgCtrlID(window) == id) {
            return window;
        }
    }
    ADD_FAILURE() << "no control with the id " << id;
    return nullptr;
}

HWND NerolithProcess::TabControl() const {
    return FindWindowExW(mainWindow_, nullptr, WC_TABCONTROLW, nullptr);
}

// The tab control writes the caption into the program's own memory.
std::wstring NerolithProcess::TabCaption() const {
    constexpr size_t kTextUnits = 64;
    wchar_t text[kTextUnits] = {};
    char* remote = static_cast<char*>(VirtualAllocEx(process_.hProcess, nullptr,
                                                     sizeof(TCITEMW) + sizeof(text),
                                                     MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = reinterpret_cast<wchar_t*>(remote + sizeof(TCITEMW));
    item.cchTextMax = kTextUnits;
    WriteProcessMemory(process_.hProcess, remote, &item, sizeof(item), nullptr);
    if (SendMessageW(TabControl(), TCM_GETITEMW, 0, reinterpret_cast<LPARAM>(remote))) {
        ReadProcessMemory(process_.hProcess, item.pszText, text, sizeof(text), nullptr);
    }
    VirtualFreeEx(process_.hProcess, remote, 0, MEM_RELEASE);
    text[kTextUnits - 1] = L'\0';
    return text;
}

// As the caption, the rectangle is written into the program's own memory.
RECT NerolithProcess::TabItemRect() const {
    RECT rect{};
    void* copy = CopyIntoProgram(&rect, sizeof(rect));
    SendMessageW(TabControl(), TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(copy));
    CopyFromProgram(copy, &rect, sizeof(rect));
    return rect;
}

int NerolithProcess::TabCount() const {
    return static_cast<int>(SendMessageW(TabControl(), TCM_GETITEMCOUNT, 0, 0));
}

void NerolithProcess::SetText(int id, const std::wstring& text) const {
    SendMessageW(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::wstring NerolithProcess::Text(int id) const {
    return TextOf(Control(id));
}

HWND NerolithProcess::Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(process_.dwThreadId, &info);
    return info.hwndFocus;
}

bool NerolithProcess::BringToFront() const {
    SetForegroundWindow(mainWindow_);
    return WaitFor([&] { return GetForegroundWindow() == mainWindow_; }, std::chrono::seconds(5));
}

void* NerolithProcess::CopyIntoProgram(const void* bytes, size_t size) const {
    void* copy =
        VirtualAllocEx(process_.hProcess, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    WriteProcessMemory(process_.hProcess, copy, bytes, size, nullptr);
    copies_.push_back(copy);
    return copy;
}

HWND NerolithProcess::WaitForDialog(const std::wstring& caption,
                                    std::chrono::milliseconds timeout) const {
    HWND dialog = nullptr;
    WaitFor(
        [&] { return (dialog = FindTopLevel(process_.dwProcessId, L"#32770", caption.c_str())); },
        timeout);
    return dialog;
}

std::optional<DWORD> NerolithProcess::WaitForExit(std::chrono::milliseconds timeout) const {
    if (WaitForSingleObject(process_.hProcess, static_cast<DWORD>(timeout.count())) !=
        WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD exitCode = 0;
    GetExitCodeProcess(process_.hProcess, &exitCode);
    return exitCode;
}

namespace {

INPUT KeyInput(WORD key, WORD unit, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = unit;
    input.ki.dwFlags = flags;
    return input;
}

void Send(std::vector<INPUT>& inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace

void PressKeys(const std::vector<WORD>& chord) {
    std::vector<INPUT> inputs;
    for (const WORD key : chord) {
        inputs.push_back(KeyInput(key, 0, 0));
    }
    for (auto key = chord.rbegin(); key != chord.rend(); ++key) {
        inputs.push_back(KeyInput(*key, 0, KEYEVENTF_KEYUP));
    }
    Send(inputs);
}

void TypeText(const std::wstring& text) {
    std::vector<INPUT> inputs;
    for (const wchar_t unit : text) {
        inputs.push_back(KeyInput(0, unit, KEYEVENTF_UNICODE));
        inputs.push_back(KeyInput(0, unit, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP));
    }
    Send(inputs);
}

bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

std::wstring TextOf(HWND window) {
    const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const auto copied =
        SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied));
    return text;
}

std::vector<HWND> Descendants(HWND window) {
    std::vector<HWND> windows;
    EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::wstring WindowsPath(const std::string& path) {
    std::wstring windowsPath = path.starts_with('/') ? L"Z:" : L"";
    for (const char c : path) {
        windowsPath += c == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(c));
    }
    return windowsPath;
}

std::wstring FolderPart(const std::wstring& path) {
    return path.substr(0, path.rfind(L'\\') + 1);
}

std::wstring& ProgramUnderTest() {
    static std::wstring program;
    return program;
}

std::wstring CopyOfProgram(const std::wstring& program, const std::wstring& folderName,
                           bool withHelp) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder =
        temp + folderName + L"." + std::to_wstring(GetCurrentProcessId()) + L"\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    DeleteFileW((folder + L"Help.htm").c_str());
    const std::wstring copy = folder + L"nerolith.exe";
    EXPECT_TRUE(CopyFileW(program.c_str(), copy.c_str(), FALSE)) << "cannot copy to " << folder;
    if (withHelp) {
        const std::wstring help = FolderPart(program) + L"Help.htm";
        EXPECT_TRUE(CopyFileW(help.c_str(), (folder + L"Help.htm").c_str(), FALSE));
    }
    return copy;
}
