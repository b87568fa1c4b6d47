// The resources inside nerolith.exe, read without running it.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "ProgramDriver.h"
#include "resource.h"

namespace {

constexpr LANGID kRussian = MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT);
constexpr LANGID kNeutral = MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL);

// The bytes of a resource in exactly this language; empty when there is none.
std::string_view Resource(const wchar_t* type, int id, LANGID language) {
    static const HMODULE program =
        LoadLibraryExW(ProgramUnderTest().c_str(), nullptr,
                       LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    const HRSRC found = FindResourceExW(program, type, MAKEINTRESOURCEW(id), language);
    if (found == nullptr) {
        return {};
    }
    return {static_cast<const char*>(LockResource(LoadResource(program, found))),
            SizeofResource(program, found)};
}

template <typename T>
T ReadAt(std::string_view data, size_t offset) {
    T value{};
    std::memcpy(&value, data.data() + offset, sizeof(T));
    return value;
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

// The menu, the icon and the picture are read below in Russian too; the manifest is neutral.
TEST(ResourceTest, DialogsAreInRussian) {
    for (const int id : {IDD_EXPRESSION_PAGE, IDD_MATRIX_PAGE, IDD_EQUATIONS_PAGE, IDD_ABOUT}) {
        EXPECT_FALSE(Resource(RT_DIALOG, id, kRussian).empty()) << id;
    }
}

// Wine gives no other process the items of a window's menu: they are read from the resource.
TEST(ResourceTest, MenuBarHoldsFileAndHelpMenusWithTheirCommands) {
    const std::string_view menu = Resource(RT_MENU, IDM_MAIN_MENU, kRussian);
    ASSERT_FALSE(menu.empty());
    const HMENU bar = LoadMenuIndirectW(menu.data());
    EXPECT_EQ(MenuText(bar), L"Файл{Выход=40001,}Помощь{Справка=40002,-,О программе...=40007,}");
    DestroyMenu(bar);
}

TEST(ResourceTest, IconPictureAndManifestHaveTheirFormats) {
    const std::string_view icon = Resource(RT_GROUP_ICON, IDI_NEROLITH, kRussian);
    ASSERT_GE(icon.size(), 6u + 14u);
    EXPECT_EQ(ReadAt<uint16_t>(icon, 4), 1) << "one image";
    EXPECT_EQ(ReadAt<uint8_t>(icon, 6), 32);
    EXPECT_EQ(ReadAt<uint8_t>(icon, 7), 32);
    EXPECT_EQ(ReadAt<uint8_t>(icon, 8), 16) << "colours";
    EXPECT_EQ(ReadAt<uint16_t>(icon, 12), 4) << "bits per pixel";

    const std::string_view bitmap = Resource(RT_BITMAP, IDB_ABOUT_PICTURE, kRussian);
    ASSERT_GE(bitmap.size(), sizeof(BITMAPINFOHEADER));
    const auto header = ReadAt<BITMAPINFOHEADER>(bitmap, 0);
    EXPECT_EQ(header.biWidth, 107);
    EXPECT_EQ(header.biHeight, 73);
    EXPECT_EQ(header.biBitCount, 4);

    const std::string_view manifest = Resource(RT_MANIFEST, 1, kNeutral);
    for (const char* part : {"name=\"Microsoft.Windows.Common-Controls\"", "version=\"6.0.0.0\"",
                             "publicKeyToken=\"6595b64144ccf1df\""}) {
        EXPECT_NE(manifest.find(part), std::string_view::npos) << part;
    }
}

}  // namespace
