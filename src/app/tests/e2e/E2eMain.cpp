// Usage: NerolithE2ETest PATH-TO-nerolith.exe [gtest options]
// The shell starts it as the stand-in .htm handler too: --record-open FILE.
#include <gtest/gtest.h>

// The other Windows headers need <windows.h> first.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include <cstdio>

#include "HelpHandler.h"
#include "ProgramDriver.h"

int main(int argc, char** argv) {
    int wideCount = 0;
    wchar_t** wideArguments = CommandLineToArgvW(GetCommandLineW(), &wideCount);
    if (wideCount == 3 && std::wstring(wideArguments[1]) == L"--record-open") {
        return RecordOpen(wideArguments[2]);
    }
    testing::InitGoogleTest(&argc, argv);
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
