// Starts nerolith.exe and drives its windows from outside, with window messages.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class NerolithProcess {
public:
    // Starts `program` with `commandLine` in `folder` and waits for its main window; a test
    // fails when it does not come up.
    NerolithProcess(const std::wstring& program, const std::wstring& commandLine,
                    const std::wstring& folder);
    // Started with its path quoted, in its own folder.
    explicit NerolithProcess(const std::wstring& program);
    ~NerolithProcess();
    NerolithProcess(const NerolithProcess&) = delete;
    NerolithProcess& operator=(const NerolithProcess&) = delete;

    HWND MainWindow() const { return mainWindow_; }
    bool HasMainWindow() const { return mainWindow_ != nullptr; }

    // The first control below the main window with this id, and the page dialog holding it.
    HWND Control(int id) const;
    HWND PageOf(int controlId) const { return GetParent(Control(controlId)); }
    HWND TabControl() const;
    std::wstring TabCaption() const;
    RECT TabItemRect() const;
    int TabCount() const;

    void SetText(int id, const std::wstring& text) const;
    std::wstring Text(int id) const;
    void Click(int id) const { SendMessageW(Control(id), BM_CLICK, 0, 0); }
    bool IsChecked(int id) const {
        return SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }

    // Posted, as the command may open a modal box.
    void PostCommand(int id) const {
        PostMessageW(mainWindow_, WM_COMMAND, static_cast<WPARAM>(id), 0);
    }
    // A shown top-level dialog of this process with this caption, waited for up to `timeout`.
    HWND WaitForDialog(const std::wstring& caption,
                       std::chrono::milliseconds timeout = std::chrono::seconds(10)) const;

    // The control with the keyboard focus in the program.
    HWND Focus() const;
    // Makes the main window the foreground one, which takes the real key input.
    bool BringToFront() const;
    // The program's own copy of `bytes`, freed when this object goes; for messages whose
    // parameter points to data.
    void* CopyIntoProgram(const void* bytes, size_t size) const;
    void CopyFromProgram(const void* copy, void* bytes, size_t size) const {
        ReadProcessMemory(process_.hProcess, copy, bytes, size, nullptr);
    }

    // Leaves the program running when this object goes.
    void Detach();
    std::optional<DWORD> WaitForExit(std::chrono::milliseconds timeout) const;

private:
    PROCESS_INFORMATION process_{};
    mutable std::vector<void*> copies_;
    HWND mainWindow_ = nullptr;
};

// Real key input through SendInput: each key of `chord` goes down in order, then all go up in
// reverse order.
void PressKeys(const std::vector<WORD>& chord);
// Types `text` as characters, one UTF-16 unit after another.
void TypeText(const std::wstring& text);

// Polls `done` until it holds, for up to `timeout`; whether it came to hold.
bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds timeout);

inline bool WaitUntilGone(HWND window, std::chrono::milliseconds timeout) {
    return WaitFor([&] { return !IsWindow(window); }, timeout);
}

std::wstring TextOf(HWND window);
// Every window below `window`, in creation order.
std::vector<HWND> Descendants(HWND window);

// The Windows form of a host path (/work/x -> Z:\work\x).
std::wstring WindowsPath(const std::string& path);
// The folder of a path, through its last backslash.
std::wstring FolderPart(const std::wstring& path);

// The program under test, set from the command line.
std::wstring& ProgramUnderTest();

// A copy of `program` alone in a fresh folder under the temporary folder, with or without the
// Help.htm from beside `program`.
std::wstring CopyOfProgram(const std::wstring& program, const std::wstring& folderName,
                           bool withHelp);
