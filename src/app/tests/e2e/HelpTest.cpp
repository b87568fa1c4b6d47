// "Справка": Help.htm is looked for beside the program, however the program was started.
#include <optional>
#include <string>

#include "HelpHandler.h"
#include "NerolithTest.h"
#include "resource.h"

namespace {

using namespace std::chrono_literals;

class HelpTest : public testing::Test {
protected:
    static void SetUpTestSuite() { RegisterRecordingHandler(); }

    // A copy of the program in a folder of its own, with or without Help.htm beside it.
    static std::wstring CopyOfProgram(const std::wstring& folderName, bool withHelp) {
        const std::wstring folder = MakeScratchFolder(folderName);
        CopyInto(ProgramUnderTest(), folder);
        DeleteFileW((folder + L"Help.htm").c_str());
        DeleteFileW((folder + L"opened.txt").c_str());
        if (withHelp) {
            CopyInto(FolderPart(ProgramUnderTest()) + L"Help.htm", folder);
        }
        return folder + L"nerolith.exe";
    }

    // The text of the error box, if "Справка" shows one within `wait`; the box is closed again.
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
};

TEST_F(HelpTest, MissingHelpFileIsReportedInAnErrorBox) {
    const NerolithProcess program(CopyOfProgram(L"nerolith-nohelp", false));
    ASSERT_TRUE(program.HasMainWindow());
    EXPECT_EQ(HelpErrorText(program, 10s), L"Файл справки отсутствует!");
    EXPECT_FALSE(program.WaitForExit(0ms).has_value()) << "the program goes on";
}

// Started quoted in its folder, then unquoted from another, while another program holds the
// file open: the shell opens Help.htm beside the program, in the program's folder.
TEST_F(HelpTest, HelpFileBesideTheProgramIsOpenedThere) {
    const std::wstring exe = CopyOfProgram(L"nerolith-help", true);
    const std::wstring folder = FolderPart(exe);
    const HANDLE held =
        CreateFileW((folder + L"Help.htm").c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const std::pair<std::wstring, std::wstring> starts[] = {
        {L"\"" + exe + L"\"", folder},
        {exe + L" C:\\some\\argument\\", MakeScratchFolder(L"nerolith-elsewhere")}};
    for (const auto& [commandLine, startFolder] : starts) {
        SCOPED_TRACE(commandLine);
        DeleteFileW((folder + L"opened.txt").c_str());
        const NerolithProcess program(exe, commandLine, startFolder);
        ASSERT_TRUE(program.HasMainWindow());
        EXPECT_EQ(HelpErrorText(program, 3s), L"");
        const std::optional<OpenedFile> opened = WaitForOpenedFile(folder, 10s);
        ASSERT_TRUE(opened.has_value()) << "the .htm handler was not started";
        EXPECT_EQ(opened->file, folder + L"Help.htm");
        EXPECT_EQ(opened->workingFolder + L"\\", folder);
    }
    CloseHandle(held);
}

}  // namespace
