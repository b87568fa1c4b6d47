// The menu commands: Exit and the About box.
#include <string>
#include <vector>

#include "NerolithTest.h"
#include "resource.h"

namespace {

using namespace std::chrono_literals;

TEST(ExitTest, ExitAndTheCloseBoxEndTheProgramWithCodeZero) {
    const std::pair<UINT, WPARAM> closings[] = {{WM_COMMAND, IDM_EXIT}, {WM_SYSCOMMAND, SC_CLOSE}};
    for (const auto& [message, command] : closings) {
        const NerolithProcess program(ProgramUnderTest());
        ASSERT_TRUE(program.HasMainWindow());
        PostMessageW(program.MainWindow(), message, command, 0);
        EXPECT_EQ(program.WaitForExit(10s), 0u) << "command " << command;
    }
}

using MenuTest = NerolithTest;

// Opened twice: closed first on its close box, then on "OK".
TEST_F(MenuTest, AboutBoxShowsItsTextsAndClosesOnItsCloseBoxAndOnOk) {
    program.PostCommand(IDM_ABOUT);
    HWND about = program.WaitForDialog(L"О программе...");
    ASSERT_NE(about, nullptr);
    PostMessageW(about, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitUntilGone(about, 5s));

    program.PostCommand(IDM_ABOUT);
    about = program.WaitForDialog(L"О программе...");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(GetWindow(about, GW_OWNER), program.MainWindow());
    EXPECT_FALSE(IsWindowEnabled(program.MainWindow())) << "the box is modal";
    // The labels in template order, after the picture.
    const std::vector<std::wstring> texts = {
        L"Программа:", L"Версия:",           L"Nerolith.",    L"1.0.",
        L"Автор:",     L"Команда Nerolith.", L"Москва, 2026", L"nerolith@example.org",
        L"OK"};
    const std::vector<HWND> children = Descendants(about);
    ASSERT_EQ(children.size(), texts.size() + 1);
    EXPECT_NE(SendMessageW(children[0], STM_GETIMAGE, IMAGE_BITMAP, 0), 0) << "the picture";
    for (size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(TextOf(children[i + 1]), texts[i]) << "control " << i + 1;
    }
    EXPECT_EQ(GetDlgCtrlID(children[8]), IDC_ABOUT_EMAIL);
    EXPECT_EQ(GetDlgCtrlID(children[9]), IDC_ABOUT_OK);

    PostMessageW(about, WM_COMMAND, MAKEWPARAM(IDC_ABOUT_EMAIL, STN_CLICKED),
                 reinterpret_cast<LPARAM>(children[8]));
    PostMessageW(about, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(program.WaitForDialog(L"О программе...", 500ms), about)
        << "the e-mail label and Escape leave the box open";
    SendMessageW(children[9], BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntilGone(about, 5s));
    EXPECT_TRUE(IsWindowEnabled(program.MainWindow()));
}

}  // namespace
