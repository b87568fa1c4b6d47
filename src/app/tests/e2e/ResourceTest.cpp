// The resources inside nerolith.exe, read without running it.
#include <gtest/gtest.h>

#include <string>

#include "ProgramDriver.h"
#include "resource.h"

namespace {

constexpr LANGID kRussian = MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT);

// The data of a resource in Russian; null when there is none.
const void* RussianResource(const wchar_t* type, int id) {
    static const HMODULE program =
        LoadLibraryExW(ProgramUnderTest().c_str(), nullptr,
                       LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    const HRSRC found = FindResourceExW(program, type, MAKEINTRESOURCEW(id), kRussian);
    return found == nullptr ? nullptr : LockResource(LoadResource(program, found));
}

// "item=id,", "-," for a separator, and a submenu's items in braces after its name.
std::wstring MenuText(HMENU menu) {
    std::wstring text;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t name[64] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STRING | MIIM_ID | MIIM_FTYPE | MIIM_SUBMENU;
        info.dwTypeData = name;
        info.cch = 64;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
        if (info.fType & MFT_SEPARATOR) {
            text += L"-,";
        } else if (info.hSubMenu != nullptr) {
            text += name + (L"{" + MenuText(info.hSubMenu) + L"}");
        } else {
            text += name + (L"=" + std::to_wstring(info.wID) + L",");
        }
    }
    return text;
}

// Wine gives no other process the items of a window's menu: they are read from the resource.
TEST(ResourceTest, MenuBarHoldsFileAndHelpMenusWithTheirCommands) {
    const void* menu = RussianResource(RT_MENU, IDM_MAIN_MENU);
    ASSERT_NE(menu, nullptr);
    const HMENU bar = LoadMenuIndirectW(menu);
    EXPECT_EQ(MenuText(bar), L"Файл{Выход=40001,}Помощь{Справка=40002,-,О программе...=40007,}");
    DestroyMenu(bar);
}

}  // namespace
