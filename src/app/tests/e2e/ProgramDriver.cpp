#include "ProgramDriver.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kPollStep = std::chrono::milliseconds(50);
constexpr auto kStartTimeout = std::chrono::seconds(30);

struct WindowSearch {
    DWORD processId;
    const wchar_t* className;
    const wchar_t* caption;
    HWND found;
};

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

std::wstring TextOf(HWND window) {
    const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const auto copied =
        SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied));
    return text;
}

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && ClassOf(window) == search->className &&
        (search->caption == nullptr || TextOf(window) == search->caption)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindTopLevel(DWORD processId, const wchar_t* className, const wchar_t* caption) {
    WindowSearch search{processId, className, caption, nullptr};
    EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM lParam) {
    reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(window);
    return TRUE;
}

std::vector<HWND> Descendants(HWND window) {
    std::vector<HWND> windows;
    EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// Memory in the other process, for messages whose pointers it dereferences itself.
class RemoteBuffer {
public:
    RemoteBuffer(HANDLE process, size_t size)
        : process_(process),
          address_(
              VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {}
    ~RemoteBuffer() { VirtualFreeEx(process_, address_, 0, MEM_RELEASE); }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    char* Address() const { return static_cast<char*>(address_); }
    void Write(size_t offset, const void* data, size_t size) const {
        WriteProcessMemory(process_, Address() + offset, data, size, nullptr);
    }
    void Read(size_t offset, void* data, size_t size) const {
        ReadProcessMemory(process_, Address() + offset, data, size, nullptr);
    }

private:
    HANDLE process_;
    void* address_;
};

std::wstring& ProgramPath() {
    static std::wstring program;
    return program;
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
    WaitForInputIdle(process_.hProcess, 10000);
    const auto deadline = Clock::now() + kStartTimeout;
    while (mainWindow_ == nullptr && Clock::now() < deadline) {
        mainWindow_ = FindTopLevel(process_.dwProcessId, L"TNerolithWindow", nullptr);
        if (mainWindow_ == nullptr) {
            std::this_thread::sleep_for(kPollStep);
        }
    }
    if (mainWindow_ == nullptr) {
        ADD_FAILURE() << "the main window did not appear";
    }
}

NerolithProcess::NerolithProcess(const std::wstring& program)
    : NerolithProcess(program, L"\"" + program + L"\"", FolderPart(program)) {}

NerolithProcess::~NerolithProcess() {
    if (process_.hProcess == nullptr) {
        return;
    }
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 0);
        WaitForSingleObject(process_.hProcess, 10000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
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

HWND NerolithProcess::PageOf(int controlId) const {
    return GetParent(Control(controlId));
}

HWND NerolithProcess::TabControl() const {
    for (const HWND window : Descendants(mainWindow_)) {
        if (ClassOf(window) == WC_TABCONTROLW) {
            return window;
        }
    }
    ADD_FAILURE() << "no tab control";
    return nullptr;
}

void NerolithProcess::SetText(int id, const std::wstring& text) const {
    SendMessageW(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::wstring NerolithProcess::Text(int id) const {
    return TextOf(Control(id));
}

void NerolithProcess::Click(int id) const {
    SendMessageW(Control(id), BM_CLICK, 0, 0);
}

bool NerolithProcess::IsChecked(int id) const {
    return SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::wstring NerolithProcess::TabCaption() const {
    constexpr size_t kTextUnits = 64;
    const RemoteBuffer remote(process_.hProcess, sizeof(TCITEMW) + kTextUnits * sizeof(wchar_t));
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = reinterpret_cast<wchar_t*>(remote.Address() + sizeof(TCITEMW));
    item.cchTextMax = kTextUnits;
    remote.Write(0, &item, sizeof(item));
    if (!SendMessageW(TabControl(), TCM_GETITEMW, 0, reinterpret_cast<LPARAM>(remote.Address()))) {
        return L"<no tab>";
    }
    wchar_t text[kTextUnits] = {};
    remote.Read(sizeof(TCITEMW), text, sizeof(text));
    text[kTextUnits - 1] = L'\0';
    return text;
}

int NerolithProcess::TabCount() const {
    return static_cast<int>(SendMessageW(TabControl(), TCM_GETITEMCOUNT, 0, 0));
}

void NerolithProcess::PostCommand(int id) const {
    PostMessageW(mainWindow_, WM_COMMAND, static_cast<WPARAM>(id), 0);
}

HWND NerolithProcess::WaitForDialog(const std::wstring& caption,
                                    std::chrono::milliseconds timeout) const {
    const auto deadline = Clock::now() + timeout;
    for (;;) {
        const HWND dialog = FindTopLevel(process_.dwProcessId, L"#32770", caption.c_str());
        if (dialog != nullptr || Clock::now() >= deadline) {
            return dialog;
        }
        std::this_thread::sleep_for(kPollStep);
    }
}

std::vector<ControlInfo> NerolithProcess::ChildrenOf(HWND window) const {
    std::vector<ControlInfo> children;
    for (const HWND child : Descendants(window)) {
        children.push_back({child, GetDlgCtrlID(child), ClassOf(child), TextOf(child)});
    }
    return children;
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

bool WaitUntilGone(HWND window, std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    while (IsWindow(window) && Clock::now() < deadline) {
        std::this_thread::sleep_for(kPollStep);
    }
    return !IsWindow(window);
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

const std::wstring& ProgramUnderTest() {
    return ProgramPath();
}

void SetProgramUnderTest(const std::wstring& program) {
    ProgramPath() = program;
}

std::wstring MakeScratchFolder(const std::wstring& name) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder =
        std::wstring(temp) + name + L"." + std::to_wstring(GetCurrentProcessId()) + L"\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

void CopyInto(const std::wstring& file, const std::wstring& folder) {
    const std::wstring target = folder + file.substr(file.rfind(L'\\') + 1);
    EXPECT_TRUE(CopyFileW(file.c_str(), target.c_str(), FALSE)) << "cannot copy to " << target;
}
