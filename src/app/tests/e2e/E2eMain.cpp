// Usage: NerolithE2ETest PATH-TO-nerolith.exe [--dpi=N] [gtest options]
// With --dpi, the Wine prefix's display scale (LogPixels) is set to N first.
// The shell starts it as the stand-in .htm handler too: --record-open FILE.
#include <gtest/gtest.h>

// The other Windows headers need <windows.h> first.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include <cstdio>
#include <string>

#include "HelpHandler.h"
#include "ProgramDriver.h"

namespace {

// A process reads the scale once, at its start: this one starts again once it is set.
int RunAtScale(DWORD dpi) {
    HKEY desktop = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_SET_VALUE,
                    nullptr, &desktop, nullptr);
    RegSetValueExW(desktop, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi),
                   sizeof(dpi));
    RegCloseKey(desktop);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION again{};
    std::wstring commandLine = GetCommandLineW();
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &again)) {
        std::fprintf(stderr, "cannot start again at LogPixels %lu\n", dpi);
        return 1;
    }
    WaitForSingleObject(again.hProcess, INFINITE);
    DWORD exitCode = 1;
    GetExitCodeProcess(again.hProcess, &exitCode);
    CloseHandle(again.hThread);
    CloseHandle(again.hProcess);
    return static_cast<int>(exitCode);
}

}  // namespace

int main(int argc, char** argv) {
    int wideCount = 0;
    wchar_t** wideArguments = CommandLineToArgvW(GetCommandLineW(), &wideCount);
    if (wideCount == 3 && std::wstring(wideArguments[1]) == L"--record-open") {
        return RecordOpen(wideArguments[2]);
    }
    testing::InitGoogleTest(&argc, argv);
    if (argc == 3 && std::string(argv[2]).starts_with("--dpi=")) {
        const auto dpi = static_cast<DWORD>(std::stoul(std::string(argv[2]).substr(6)));
        const HDC screen = GetDC(nullptr);
        const auto current = static_cast<DWORD>(GetDeviceCaps(screen, LOGPIXELSY));
        ReleaseDC(nullptr, screen);
        if (current != dpi) {
            return RunAtScale(dpi);
        }
        --argc;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s PATH-TO-nerolith.exe\n", argv[0]);
        return 2;
    }
    if (GetEnvironmentVariableW(L"DISPLAY", nullptr, 0) == 0) {
        std::fprintf(stderr, "No X display: DISPLAY is unset. Run the tests under xvfb-run -a.\n");
        return 1;
    }
    ProgramUnderTest() = WindowsPath(argv[1]);
    return RUN_ALL_TESTS();
}
