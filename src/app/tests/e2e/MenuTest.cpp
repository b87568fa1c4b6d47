// The menu, chosen with its keys (F10 opens the bar, the arrows go to an item, Enter chooses
// it): Exit, Help and the About box.
#include <cwchar>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ProgramDriver.h"
#include "resource.h"

namespace {

// Chords pressed one after another.
using Keys = std::vector<std::vector<WORD>>;

const Keys kExit = {{VK_F10}, {VK_DOWN}, {VK_RETURN}};
const Keys kHelp = {{VK_F10}, {VK_RIGHT}, {VK_DOWN}, {VK_RETURN}};
const Keys kAbout = {{VK_F10}, {VK_RIGHT}, {VK_DOWN}, {VK_DOWN}, {VK_RETURN}};

void Press(const Keys& keys) {
    for (const auto& chord : keys) {
        PressKeys(chord);
    }
}

TEST(MenuTest, ExitAndAltF4EndTheProgramWithCodeZero) {
    for (const Keys& keys : {kExit, Keys{{VK_MENU, VK_F4}}}) {
        const NerolithProcess program(ProgramUnderTest());
        ASSERT_TRUE(program.BringToFront());
        Press(keys);
        EXPECT_EQ(program.WaitForExit(10s), 0u) << keys.size() << " keys";
    }
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

// .htm files open with a command that writes the folder it runs in to FILE.opened, or with
// no program at all.
void SetHelpHandler(bool recording) {
    const auto set = [](const wchar_t* key, const wchar_t* value) {
        RegSetKeyValueW(HKEY_CLASSES_ROOT, key, nullptr, REG_SZ, value,
                        static_cast<DWORD>((std::wcslen(value) + 1) * sizeof(wchar_t)));
    };
    set(L".htm", recording ? L"NerolithE2E.Record" : L"NerolithE2E.NoProgram");
    set(L"NerolithE2E.Record\\shell\\open\\command", L"cmd.exe /c cd > \"%1.opened\"");
}

// Help.htm beside the program is opened in the program's folder, however the program was
// started and while another program holds the file open; a help file that is missing, or that
// no program opens, is reported in an error box, and the program goes on.
TEST(HelpTest, OpensHelpBesideTheProgramOrSaysWhyNot) {
    const struct {
        bool withHelp, recording;
        bool elsewhere;  // started unquoted, with an argument, from another folder
        Keys keys;
        const wchar_t* message;  // in the error box; none when the file is opened
    } rows[] = {
        {false, true, false, kHelp, L"Файл справки отсутствует!"},
        {true,
         false,
         false,
         {{VK_F1}},
         L"Не удалось открыть файл справки: в системе нет программы для просмотра файлов .htm."},
        {true, true, false, kHelp, nullptr},
        {true, true, true, {{VK_F1}}, nullptr}};
    const wchar_t* poses[] = {L"help-error", L"help-no-program", nullptr, nullptr};
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = temp + std::wstring(L"nerolith-help\\");
    const std::wstring exe = folder + L"nerolith.exe";
    const std::wstring help = folder + L"Help.htm";
    CreateDirectoryW(folder.c_str(), nullptr);
    ASSERT_TRUE(CopyFileW(ProgramUnderTest().c_str(), exe.c_str(), FALSE));
    for (size_t i = 0; i < std::size(rows); ++i) {
        const auto& row = rows[i];
        SCOPED_TRACE(i);
        SetHelpHandler(row.recording);
        DeleteFileW(help.c_str());
        DeleteFileW((help + L".opened").c_str());
        if (row.withHelp) {
            CopyFileW((FolderPart(ProgramUnderTest()) + L"Help.htm").c_str(), help.c_str(), FALSE);
        }
        const HANDLE held = CreateFileW(help.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        const NerolithProcess program(exe, row.elsewhere ? exe + L" C:\\some\\argument\\" : L"",
                                      row.elsewhere ? L"C:\\" : L"");
        ASSERT_TRUE(program.BringToFront());
        Press(row.keys);
        if (row.message == nullptr) {
            const std::wstring expected = folder.substr(0, folder.size() - 1) + L"\n";
            EXPECT_TRUE(WaitFor(
                [&] {
                    std::wifstream record((help + L".opened").c_str());
                    return std::wstring(std::istreambuf_iterator<wchar_t>(record), {}) == expected;
                },
                10s));
            EXPECT_EQ(program.WaitForDialog(L"Ошибка", 1s), nullptr);
        } else {
            const HWND box = program.WaitForDialog(L"Ошибка");
            Pose(poses[i]);
            const std::vector<HWND> texts = Descendants(box);
            EXPECT_TRUE(
                std::ranges::any_of(texts, [&](HWND text) { return TextOf(text) == row.message; }));
            PostMessageW(box, WM_COMMAND, IDOK, 0);
            EXPECT_TRUE(WaitFor([&] { return !IsWindow(box); }, 5s));
        }
        EXPECT_FALSE(program.WaitForExit(0ms).has_value()) << "the program goes on";
        CloseHandle(held);
    }
}

}  // namespace
