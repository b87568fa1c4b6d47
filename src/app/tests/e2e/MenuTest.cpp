// The menu commands: Exit and the About box.
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

// Opened twice: closed first on its close box, then on "OK"; the e-mail label does nothing.
TEST_F(MenuTest, AboutBoxIsModalAndClosesOnItsCloseBoxAndOnOk) {
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
    const HWND picture = GetWindow(about, GW_CHILD);
    EXPECT_NE(SendMessageW(picture, STM_GETIMAGE, IMAGE_BITMAP, 0), 0) << "the picture";
    SendMessageW(about, WM_COMMAND, MAKEWPARAM(IDC_ABOUT_EMAIL, STN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(about, IDC_ABOUT_EMAIL)));
    EXPECT_TRUE(IsWindow(about)) << "the e-mail label leaves the box open";
    SendMessageW(GetDlgItem(about, IDC_ABOUT_OK), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntilGone(about, 5s));
    EXPECT_TRUE(IsWindowEnabled(program.MainWindow()));
}

}  // namespace
