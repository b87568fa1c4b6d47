// A stand-in for the system's .htm handler: this test program, started by the shell with
// --record-open FILE, writes "FILE\nWORKING-FOLDER" to opened.txt beside that file.
#pragma once

#include <chrono>
#include <optional>
#include <string>

// Makes this test program the .htm handler in the Wine prefix's registry.
void RegisterRecordingHandler();
// Leaves .htm files with no program to open them.
void RegisterNoHandler();
int RecordOpen(const std::wstring& file);
// The record in `folder`, once it appears within `timeout`.
std::optional<std::wstring> WaitForOpenedFile(const std::wstring& folder,
                                              std::chrono::milliseconds timeout);
