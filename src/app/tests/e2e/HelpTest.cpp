// "Справка": Help.htm is looked for beside the program, however the program was started.
#include <optional>
#include <string>

#include "HelpHandler.h"
#include "NerolithTest.h"
#include "resource.h"

namespace {

using namespace std::chrono_literals;

// A copy of the program in a folder of its own, with or without Help.htm beside it.
class HelpTest : public testing::Test {
protected:
    static void SetUpTestSuite() { RegisterRecordingHandler(); }

    static std::wstring CopyOfProgram(const std::wstring& folderName, bool withHelp) {
        const std::wstring folder = MakeScratchFolder(folderName);
        CopyInto(ProgramUnderTest(), folder);
        const std::wstring help = folder + L"Help.htm";
        DeleteFileW(help.c_str());
        DeleteFileW((folder + L"opened.txt").c_str());
        if (withHelp) {
            CopyInto(FolderPart(ProgramUnderTest()) + L"Help.htm", folder);
        }
        return folder + L"nerolith.exe";
    }

    // The error box, if "Справка" shows one within `wait`; closed again with OK.
    static std::wstring HelpErrorText(const NerolithProcess& program,
                                      std::chrono::milliseconds wait) {
        program.PostCommand(IDM_HELP);
        const HWND box = program.WaitForDialog(L"Ошибка", wait);
        if (box == nullptr) {
            return L"";
        }
        std::wstring message;
        for (const ControlInfo& control : program.ChildrenOf(box)) {
            if (control.className == L"Static" && !control.text.empty()) {
                message = control.text;
            }
        }
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(WaitUntilGone(box, 5s));
        return message;
    }

    // The shell opened Help.htm beside the program, in the program's folder, with no error box.
    static void ExpectHelpOpened(const NerolithProcess& program, const std::wstring& exe) {
        EXPECT_EQ(HelpErrorText(program, 3s), L"");
        const std::wstring folder = FolderPart(exe);
        const std::optional<OpenedFile> opened = WaitForOpenedFile(folder, 10s);
        ASSERT_TRUE(opened.has_value()) << "the .htm handler was not started";
        EXPECT_EQ(opened->file, folder + L"Help.htm");
        EXPECT_EQ(opened->workingFolder + L"\\", folder);
    }
};

TEST_F(HelpTest, MissingHelpFileIsReportedInAnErrorBox) {
    const NerolithProcess program(CopyOfProgram(L"nerolith-nohelp", false));
    ASSERT_TRUE(program.HasMainWindow());
    EXPECT_EQ(HelpErrorText(program, 10s), L"Файл справки отсутствует!");
    EXPECT_FALSE(program.WaitForExit(0ms).has_value()) << "the program goes on";
}

TEST_F(HelpTest, HelpFileBesideTheProgramIsOpenedThere) {
    const std::wstring exe = CopyOfProgram(L"nerolith-help", true);
    const NerolithProcess program(exe);
    ASSERT_TRUE(program.HasMainWindow());
    ExpectHelpOpened(program, exe);
}

TEST_F(HelpTest, HelpIsFoundWhenStartedUnquotedFromAnotherFolder) {
    const std::wstring exe = CopyOfProgram(L"nerolith-unquoted", true);
    const std::wstring elsewhere = MakeScratchFolder(L"nerolith-elsewhere");
    const NerolithProcess program(exe, exe + L" C:\\some\\argument\\", elsewhere);
    ASSERT_TRUE(program.HasMainWindow());
    ExpectHelpOpened(program, exe);
}

TEST_F(HelpTest, HelpIsFoundWhileAnotherProgramHasItOpen) {
    const std::wstring exe = CopyOfProgram(L"nerolith-open", true);
    const std::wstring help = FolderPart(exe) + L"Help.htm";
    const HANDLE held = CreateFileW(help.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const NerolithProcess program(exe);
    ASSERT_TRUE(program.HasMainWindow());
    ExpectHelpOpened(program, exe);
    CloseHandle(held);
}

}  // namespace
