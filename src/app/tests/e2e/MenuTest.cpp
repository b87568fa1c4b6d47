// The menu bar and its commands: Exit, Help and the About box.
#include <string>
#include <vector>

#include "NerolithTest.h"
#include "ProgramResources.h"
#include "resource.h"

namespace {

using namespace std::chrono_literals;

struct MenuItem {
    std::wstring text;
    UINT id;  // 0 for a separator or a submenu
    bool separator;
};

std::vector<MenuItem> ItemsOf(HMENU menu) {
    std::vector<MenuItem> items;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        wchar_t text[64] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STRING | MIIM_ID | MIIM_FTYPE | MIIM_SUBMENU;
        info.dwTypeData = text;
        info.cch = 64;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
        const UINT id = info.hSubMenu != nullptr ? 0 : info.wID;
        items.push_back({text, id, (info.fType & MFT_SEPARATOR) != 0});
    }
    return items;
}

bool operator==(const MenuItem& left, const MenuItem& right) {
    return left.text == right.text && left.id == right.id && left.separator == right.separator;
}

void PrintTo(const MenuItem& item, std::ostream* out) {
    *out << (item.separator ? "separator" : "item") << " id " << item.id << " text length "
         << item.text.size();
}

using MenuTest = NerolithTest;

// The window's menu is read from the program's menu resource: Wine gives no other process the
// items of a window's menu.
TEST_F(MenuTest, MenuBarHoldsFileAndHelpMenusWithTheirCommands) {
    EXPECT_NE(GetMenu(program.MainWindow()), nullptr);
    const ProgramResources resources(ProgramUnderTest());
    const HMENU bar = resources.Menu(IDM_MAIN_MENU);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(ItemsOf(bar), (std::vector<MenuItem>{{L"Файл", 0, false}, {L"Помощь", 0, false}}));
    EXPECT_EQ(ItemsOf(GetSubMenu(bar, 0)), (std::vector<MenuItem>{{L"Выход", IDM_EXIT, false}}));
    EXPECT_EQ(
        ItemsOf(GetSubMenu(bar, 1)),
        (std::vector<MenuItem>{
            {L"Справка", IDM_HELP, false}, {L"", 0, true}, {L"О программе...", IDM_ABOUT, false}}));
    DestroyMenu(bar);
}

TEST_F(MenuTest, ExitEndsTheProgramWithCodeZero) {
    program.PostCommand(IDM_EXIT);
    EXPECT_EQ(program.WaitForExit(10s), 0u);
}

TEST_F(MenuTest, CloseBoxEndsTheProgramWithCodeZero) {
    PostMessageW(program.MainWindow(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(program.WaitForExit(10s), 0u);
}

// The About box's labels, in template order, after the picture.
const std::vector<std::wstring> kAboutTexts = {
    L"Программа:", L"Версия:",           L"Nerolith.",    L"1.0.",
    L"Автор:",     L"Команда Nerolith.", L"Москва, 2026", L"nerolith@example.org",
    L"OK"};

TEST_F(MenuTest, AboutBoxShowsItsTextsAndClosesOnOk) {
    program.PostCommand(IDM_ABOUT);
    const HWND about = program.WaitForDialog(L"О программе...");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(GetWindow(about, GW_OWNER), program.MainWindow());
    EXPECT_FALSE(IsWindowEnabled(program.MainWindow())) << "the box is modal";

    const std::vector<ControlInfo> children = program.ChildrenOf(about);
    ASSERT_EQ(children.size(), kAboutTexts.size() + 1);
    EXPECT_NE(SendMessageW(children[0].window, STM_GETIMAGE, IMAGE_BITMAP, 0), 0) << "the picture";
    for (size_t i = 0; i < kAboutTexts.size(); ++i) {
        EXPECT_EQ(children[i + 1].text, kAboutTexts[i]) << "control " << i + 1;
    }
    EXPECT_EQ(children[8].id, IDC_ABOUT_EMAIL);
    EXPECT_EQ(children[9].id, IDC_ABOUT_OK);

    PostMessageW(about, WM_COMMAND, MAKEWPARAM(IDC_ABOUT_EMAIL, STN_CLICKED),
                 reinterpret_cast<LPARAM>(children[8].window));
    PostMessageW(about, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(program.WaitForDialog(L"О программе...", 500ms), about)
        << "the e-mail label and Escape leave the box open";

    SendMessageW(children[9].window, BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntilGone(about, 5s));
    EXPECT_TRUE(IsWindowEnabled(program.MainWindow()));
}

TEST_F(MenuTest, AboutBoxClosesOnItsCloseBox) {
    program.PostCommand(IDM_ABOUT);
    const HWND about = program.WaitForDialog(L"О программе...");
    ASSERT_NE(about, nullptr);
    PostMessageW(about, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitUntilGone(about, 5s));
}

}  // namespace
