// The menu, chosen with its keys (F10 opens the bar, the arrows go to an item, Enter chooses
// it): Exit, Help and the About box.
#include <string>
#include <vector>

#include "ProgramDriver.h"
#include "resource.h"

namespace {

// Keys pressed one after another.
using Keys = std::vector<WORD>;

const Keys kExit = {VK_F10, VK_DOWN, VK_RETURN};
const Keys kHelp = {VK_F10, VK_RIGHT, VK_DOWN, VK_RETURN};
const Keys kAbout = {VK_F10, VK_RIGHT, VK_DOWN, VK_DOWN, VK_RETURN};

void Press(const Keys& keys) {
    for (const WORD key : keys) {
        PressKeys({key});
    }
}

TEST(MenuTest, ExitEndsTheProgramWithCodeZero) {
    const NerolithProcess program(kProgram);
    ASSERT_TRUE(program.BringToFront());
    Press(kExit);
    DWORD code = 1;
    EXPECT_EQ(WaitForSingleObject(program.Process(), 10000), WAIT_OBJECT_0);
    GetExitCodeProcess(program.Process(), &code);
    EXPECT_EQ(code, 0u);
}

using MenuWithProgramTest = NerolithTest;

// The About box is modal; its close box, "OK" and Escape close it.
TEST_F(MenuWithProgramTest, AboutBoxClosesOnItsCloseBoxOnOkAndOnEscape) {
    const std::function<void(HWND)> closings[] = {
        [](HWND about) { PostMessageW(about, WM_CLOSE, 0, 0); },
        [](HWND about) { SendDlgItemMessageW(about, IDC_ABOUT_OK, BM_CLICK, 0, 0); },
        [](HWND) { PressKeys({VK_ESCAPE}); }};
    for (size_t closing = 0; closing < std::size(closings); ++closing) {
        SCOPED_TRACE(closing);
        Press(kAbout);
        const HWND about = program.WaitForDialog(L"О программе...");
        ASSERT_NE(about, nullptr);
        Pose(L"about");
        EXPECT_EQ(GetWindow(about, GW_OWNER), program.MainWindow());
        EXPECT_FALSE(IsWindowEnabled(program.MainWindow())) << "the box is modal";
        closings[closing](about);
        EXPECT_TRUE(WaitFor([&] { return !IsWindow(about); }, 5s));
        EXPECT_TRUE(IsWindowEnabled(program.MainWindow()));
    }
}

// Help.htm beside the program is opened in the program's folder, however the program was
// started and while another program holds the file open; a help file that is missing, or that
// no program opens, is reported in an error box, and the program goes on.
TEST(HelpTest, OpensHelpBesideTheProgramOrSaysWhyNot) {
    const wchar_t* noProgram =
        L"Не удалось открыть файл справки: в системе нет программы для просмотра файлов .htm.";
    // The handler: a command that copies the file to opened.htm in the folder it runs in.
    RegSetValueW(HKEY_CLASSES_ROOT, L"NerolithE2E.Record\\shell\\open\\command", REG_SZ,
                 L"cmd.exe /c copy \"%1\" opened.htm", 0);
    const struct {
        bool withHelp;
        const wchar_t* handler;
        bool elsewhere;  // started unquoted, with an argument, from another folder
        Keys keys;
        const wchar_t* message;  // in the error box; none when the file is opened
        const wchar_t* pose;
    } rows[] = {
        {false, L"NerolithE2E.Record", false, kHelp, L"Файл справки отсутствует!", L"help-error"},
        {true, L"NerolithE2E.NoProgram", false, {VK_F1}, noProgram, L"help-no-program"},
        {true, L"NerolithE2E.Record", false, kHelp, nullptr, nullptr},
        {true, L"NerolithE2E.Record", true, {VK_F1}, nullptr, nullptr},
    };
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = temp + std::wstring(L"nerolith-help\\");
    const std::wstring exe = folder + L"nerolith.exe";
    const std::wstring help = folder + L"Help.htm";
    const std::wstring opened = folder + L"opened.htm";
    CreateDirectoryW(folder.c_str(), nullptr);
    ASSERT_TRUE(CopyFileW(kProgram.c_str(), exe.c_str(), FALSE));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.handler);
        RegSetValueW(HKEY_CLASSES_ROOT, L".htm", REG_SZ, row.handler, 0);
        DeleteFileW(help.c_str());
        DeleteFileW(opened.c_str());
        if (row.withHelp) {
            CopyFileW((FolderPart(kProgram) + L"Help.htm").c_str(), help.c_str(), FALSE);
        }
        const HANDLE held = CreateFileW(help.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        const NerolithProcess program(exe, row.elsewhere ? exe + L" C:\\some\\argument\\" : L"",
                                      row.elsewhere ? L"C:\\" : L"");
        ASSERT_TRUE(program.BringToFront());
        Press(row.keys);
        if (row.message == nullptr) {
            EXPECT_TRUE(WaitFor(
                [&] { return GetFileAttributesW(opened.c_str()) != INVALID_FILE_ATTRIBUTES; },
                10s));
            EXPECT_EQ(program.WaitForDialog(L"Ошибка", 1s), nullptr);
        } else {
            const HWND box = program.WaitForDialog(L"Ошибка");
            Pose(row.pose);
            EXPECT_NE(FindWindowExW(box, nullptr, L"Static", row.message), nullptr);
            PostMessageW(box, WM_COMMAND, IDOK, 0);
            EXPECT_TRUE(WaitFor([&] { return !IsWindow(box); }, 5s));
        }
        EXPECT_EQ(WaitForSingleObject(program.Process(), 0), WAIT_TIMEOUT) << "the program goes on";
        CloseHandle(held);
    }
}

}  // namespace
