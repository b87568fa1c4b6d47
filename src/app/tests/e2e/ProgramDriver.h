// Starts nerolith.exe and drives its windows from outside, with window messages.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// A control of another process's window, as read through messages.
struct ControlInfo {
    HWND window;
    int id;
    std::wstring className;
    std::wstring text;
};

class NerolithProcess {
public:
    // Starts `program` with `commandLine` (as the child sees it) in `folder`, and waits for its
    // main window. Fails the current test when the window does not come up.
    NerolithProcess(const std::wstring& program, const std::wstring& commandLine,
                    const std::wstring& folder);
    // Started with its path quoted, in its own folder.
    explicit NerolithProcess(const std::wstring& program);
    ~NerolithProcess();
    NerolithProcess(const NerolithProcess&) = delete;
    NerolithProcess& operator=(const NerolithProcess&) = delete;

    HWND MainWindow() const { return mainWindow_; }
    bool HasMainWindow() const { return mainWindow_ != nullptr; }

    // The first control below the main window with this id.
    HWND Control(int id) const;
    // The page dialog that holds the control with this id.
    HWND PageOf(int controlId) const { return GetParent(Control(controlId)); }
    HWND TabControl() const;

    void SetText(int id, const std::wstring& text) const;
    std::wstring Text(int id) const;
    void Click(int id) const { SendMessageW(Control(id), BM_CLICK, 0, 0); }
    bool IsChecked(int id) const;

    std::wstring TabCaption() const;
    int TabCount() const;

    // Posts a menu command: the handler may open a modal box.
    void PostCommand(int id) const {
        PostMessageW(mainWindow_, WM_COMMAND, static_cast<WPARAM>(id), 0);
    }
    // A top-level dialog of this process with this caption, waited for up to `timeout`.
    HWND WaitForDialog(const std::wstring& caption,
                       std::chrono::milliseconds timeout = std::chrono::seconds(10)) const;
    std::vector<ControlInfo> ChildrenOf(HWND window) const;

    // Leaves the program running when this object goes.
    void Detach();

    // The exit code once the process ends within `timeout`.
    std::optional<DWORD> WaitForExit(std::chrono::milliseconds timeout) const;

private:
    PROCESS_INFORMATION process_{};
    HWND mainWindow_ = nullptr;
};

// Polls `done` until it holds, for up to `timeout`; whether it came to hold.
bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds timeout);

// True once `window` is destroyed, within `timeout`.
bool WaitUntilGone(HWND window, std::chrono::milliseconds timeout);

// The Windows form of a path given in the host's form (/work/x -> Z:\work\x).
std::wstring WindowsPath(const std::string& path);

// The folder of a path, through its last backslash.
std::wstring FolderPart(const std::wstring& path);

// The program under test, set from the command line.
std::wstring& ProgramUnderTest();

// A fresh empty folder under the temporary folder.
std::wstring MakeScratchFolder(const std::wstring& name);
void CopyInto(const std::wstring& file, const std::wstring& folder);
