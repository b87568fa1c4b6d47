// Starts nerolith.exe and drives it from outside: window messages, and real keys through
// SendInput to the foreground window.
#pragma once

#include <gtest/gtest.h>

// The other Windows headers need <windows.h> first.
// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <oleacc.h>
// clang-format on

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

using namespace std::chrono_literals;

// Polls `done` until it holds, for up to `timeout`; whether it came to hold.
inline bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    for (auto waited = 0ms; waited <= timeout; waited += 50ms) {
        if (done()) {
            return true;
        }
        std::this_thread::sleep_for(50ms);
    }
    return false;
}

inline std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<size_t>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    text.resize(static_cast<size_t>(
        SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

// Every window below `window`, in creation order.
inline std::vector<HWND> Descendants(HWND window) {
    std::vector<HWND> windows;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM all) {
            reinterpret_cast<std::vector<HWND>*>(all)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// The name a screen reader gives the control, read through oleacc as one would.
inline std::wstring AccessibleName(HWND control) {
    IAccessible* accessible = nullptr;
    VARIANT self{};
    self.vt = VT_I4;  // CHILDID_SELF
    BSTR name = nullptr;
    // __uuidof: the import library's IID_IAccessible would be the address of a thunk.
    if (SUCCEEDED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                             __uuidof(IAccessible),
                                             reinterpret_cast<void**>(&accessible)))) {
        accessible->get_accName(self, &name);
        accessible->Release();
    }
    std::wstring text = name != nullptr ? std::wstring(name, SysStringLen(name)) : L"(no name)";
    SysFreeString(name);
    return text;
}

// Real key input: the keys of `chord` go down in order and up in reverse order, then each
// UTF-16 unit of `text` is typed as a character.
inline void PressKeys(const std::vector<WORD>& chord, const std::wstring& text = {}) {
    std::vector<INPUT> inputs;
    const auto add = [&](WORD key, WORD unit, DWORD flags) {
        inputs.push_back({.type = INPUT_KEYBOARD, .ki = {key, unit, flags, 0, 0}});
    };
    for (const WORD key : chord) {
        add(key, 0, 0);
    }
    for (auto key = chord.rbegin(); key != chord.rend(); ++key) {
        add(*key, 0, KEYEVENTF_KEYUP);
    }
    for (const wchar_t unit : text) {
        add(0, unit, KEYEVENTF_UNICODE);
        add(0, unit, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// The program under test, as Wine names it (Z:/work/...), or the copy NEROLITH_PROGRAM names.
inline const wchar_t* const kCopy = _wgetenv(L"NEROLITH_PROGRAM");
inline const std::wstring kProgram = kCopy != nullptr ? kCopy : NEROLITH_PROGRAM;

// The folder of a path, through its last slash.
inline std::wstring FolderPart(const std::wstring& path) {
    return path.substr(0, path.find_last_of(L"/\\") + 1);
}

// For scripts/screenshots.sh: when NEROLITH_POSE names `pose`, leaves the program as it is.
inline void Pose(const wchar_t* pose) {
    wchar_t wanted[32] = {};
    GetEnvironmentVariableW(L"NEROLITH_POSE", wanted, 32);
    if (pose != nullptr && std::wstring(wanted) == pose) {
        CloseHandle(CreateFileW(L"C:\\posed.flag", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
        Sleep(INFINITE);
    }
}

class NerolithProcess {
public:
    // Starts `program` with `commandLine` in `folder` (by default quoted, in its own folder).
    explicit NerolithProcess(const std::wstring& program, std::wstring commandLine = {},
                             std::wstring folder = {}) {
        commandLine = commandLine.empty() ? L"\"" + program + L"\"" : commandLine;
        folder = folder.empty() ? FolderPart(program) : folder;
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        EXPECT_TRUE(CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                                   nullptr, folder.c_str(), &startup, &process_));
        mainWindow_ = WaitForShown(nullptr, 30s, L"TNerolithWindow");
        EXPECT_NE(mainWindow_, nullptr) << "the main window did not appear";
    }
    ~NerolithProcess() {  // ends the program if it is still running
        TerminateProcess(process_.hProcess, 0);
        WaitForSingleObject(process_.hProcess, 10000);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    NerolithProcess(const NerolithProcess&) = delete;
    NerolithProcess& operator=(const NerolithProcess&) = delete;

    HWND MainWindow() const { return mainWindow_; }
    // The first control below the main window with this id.
    HWND Control(int id) const {
        const std::vector<HWND> all = Descendants(mainWindow_);
        const auto found = std::ranges::find(all, id, GetDlgCtrlID);
        EXPECT_NE(found, all.end()) << "no control with the id " << id;
        return found == all.end() ? nullptr : *found;
    }
    HWND TabControl() const { return FindWindowExW(mainWindow_, nullptr, WC_TABCONTROLW, nullptr); }
    std::wstring Text(int id) const { return TextOf(Control(id)); }
    void SetText(int id, const std::wstring& text) const {
        SendMessageW(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    void Click(int id) const { SendMessageW(Control(id), BM_CLICK, 0, 0); }
    // Gives the control the focus as the dialog manager does; whether it took it.
    bool FocusOn(HWND control) const {
        SendMessageW(GetParent(control), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
        return WaitFor([&] { return Focus() == control; }, 2s);
    }
    // The control's text once it reads `expected` (an answer comes from the worker thread), or
    // whatever it reads after two seconds.
    std::wstring TextWhen(int id, const std::wstring& expected) const {
        WaitFor([&] { return Text(id) == expected; }, 2s);
        return Text(id);
    }
    bool IsChecked(int id) const { return IsDlgButtonChecked(GetParent(Control(id)), id); }

    // A shown top-level window of the program (one with all its controls), waited for.
    HWND WaitForShown(const wchar_t* caption, std::chrono::milliseconds timeout = 10s,
                      const wchar_t* className = L"#32770") const {
        HWND window = nullptr;
        WaitFor(
            [&] {
                while ((window = FindWindowExW(nullptr, window, className, caption)) != nullptr) {
                    DWORD owner = 0;
                    GetWindowThreadProcessId(window, &owner);
                    if (owner == process_.dwProcessId && IsWindowVisible(window)) {
                        return true;
                    }
                }
                return false;
            },
            timeout);
        return window;
    }
    // The control with the keyboard focus in the program.
    HWND Focus() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        GetGUIThreadInfo(process_.dwThreadId, &info);
        return info.hwndFocus;
    }
    // Makes the main window the foreground one, which takes the real key input.
    bool BringToFront() const {
        SetForegroundWindow(mainWindow_);
        return WaitFor([&] { return GetForegroundWindow() == mainWindow_; }, 5s);
    }
    HANDLE Process() const { return process_.hProcess; }

    // The program's own copy of `bytes`, for messages whose parameter points to data.
    void* CopyIntoProgram(const void* bytes, size_t size) const {
        void* copy = VirtualAllocEx(process_.hProcess, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
        WriteProcessMemory(process_.hProcess, copy, bytes, size, nullptr);
        return copy;
    }
    // Sends `message` with a pointer to the program's copy of `data`; the copy, read back.
    template <typename Data>
    Data SendWithCopy(HWND window, UINT message, WPARAM wParam, Data data) const {
        void* copy = CopyIntoProgram(&data, sizeof(data));
        SendMessageW(window, message, wParam, reinterpret_cast<LPARAM>(copy));
        ReadProcessMemory(process_.hProcess, copy, &data, sizeof(data), nullptr);
        return data;
    }
    std::wstring TabCaption() const {
        wchar_t text[64] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = static_cast<wchar_t*>(CopyIntoProgram(text, sizeof(text)));
        item.cchTextMax = std::size(text) - 1;
        SendWithCopy(TabControl(), TCM_GETITEMW, 0, item);
        ReadProcessMemory(process_.hProcess, item.pszText, text, sizeof(text), nullptr);
        return text;
    }

private:
    PROCESS_INFORMATION process_{};
    HWND mainWindow_ = nullptr;
};

// A test against a freshly started nerolith.exe in the foreground.
class NerolithTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(program.BringToFront()); }

    NerolithProcess program{kProgram};
};
