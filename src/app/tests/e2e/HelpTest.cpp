// "Справка": Help.htm is looked for beside the program, however the program was started.
#include <algorithm>
#include <string>

#include "HelpHandler.h"
#include "NerolithTest.h"
#include "resource.h"

namespace {

using namespace std::chrono_literals;

// A help file that is missing, or one that no program opens: an error box says which.
TEST(HelpTest, HelpThatCannotBeShownIsReportedInAnErrorBox) {
    RegisterNoHandler();
    const struct {
        bool withHelp;
        const wchar_t* message;
    } cases[] = {{false, L"Файл справки отсутствует!"},
                 {true,
                  L"Не удалось открыть файл справки: в системе нет программы для просмотра "
                  L"файлов .htm."}};
    for (const auto& [withHelp, message] : cases) {
        SCOPED_TRACE(withHelp);
        const NerolithProcess program(
            CopyOfProgram(ProgramUnderTest(), L"nerolith-helperror", withHelp));
        ASSERT_TRUE(program.HasMainWindow());
        program.PostCommand(IDM_HELP);
        const HWND box = program.WaitForDialog(L"Ошибка");
        ASSERT_NE(box, nullptr);
        const std::vector<HWND> controls = Descendants(box);
        EXPECT_TRUE(std::ranges::any_of(controls,
                                        [&](HWND control) { return TextOf(control) == message; }));
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(WaitUntilGone(box, 5s));
        EXPECT_FALSE(program.WaitForExit(0ms).has_value()) << "the program goes on";
    }
}

// Started quoted in its folder and asked from the menu, then unquoted from another folder and
// asked with F1, while another program holds the file open: the shell opens Help.htm beside
// the program, in the program's folder.
TEST(HelpTest, HelpFileBesideTheProgramIsOpenedThere) {
    RegisterRecordingHandler();
    const std::wstring exe = CopyOfProgram(ProgramUnderTest(), L"nerolith-help", true);
    const std::wstring folder = FolderPart(exe);
    const HANDLE held =
        CreateFileW((folder + L"Help.htm").c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const struct {
        std::wstring commandLine, startFolder;
        bool byKey;
    } starts[] = {{L"\"" + exe + L"\"", folder, false},
                  {exe + L" C:\\some\\argument\\", L"C:\\", true}};
    for (const auto& [commandLine, startFolder, byKey] : starts) {
        SCOPED_TRACE(commandLine);
        DeleteFileW((folder + L"opened.txt").c_str());
        const NerolithProcess program(exe, commandLine, startFolder);
        ASSERT_TRUE(program.HasMainWindow());
        if (byKey) {
            ASSERT_TRUE(program.BringToFront());
            PressKeys({VK_F1});
        } else {
            program.PostCommand(IDM_HELP);
        }
        EXPECT_EQ(program.WaitForDialog(L"Ошибка", 3s), nullptr);
        EXPECT_EQ(WaitForOpenedFile(folder, 10s),
                  folder + L"Help.htm\n" + folder.substr(0, folder.size() - 1));
    }
    CloseHandle(held);
}

}  // namespace
