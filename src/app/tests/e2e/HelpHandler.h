// A stand-in for the system's handler of .htm files: this test program, started by the shell
// with --record-open FILE, notes the file and its own working folder beside that file.
#pragma once

#include <chrono>
#include <optional>
#include <string>

// What the stand-in handler was given.
struct OpenedFile {
    std::wstring file;
    std::wstring workingFolder;
};

// Makes this test program the handler of .htm files in the Wine prefix's registry.
void RegisterRecordingHandler();

// The handler's work: writes opened.txt beside `file`. Returns the process exit code.
int RecordOpen(const std::wstring& file);

// What the handler noted in `folder`, once it has done so within `timeout`.
std::optional<OpenedFile> WaitForOpenedFile(const std::wstring& folder,
                                            std::chrono::milliseconds timeout);
