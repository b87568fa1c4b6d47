// The resources inside nerolith.exe: ids, languages, sizes and dialog frames.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "ProgramDriver.h"
#include "ProgramResources.h"
#include "resource.h"

namespace {

struct ResourceCase {
    const wchar_t* type;
    int id;
    LANGID language;
};

class ResourceLanguageTest : public testing::TestWithParam<ResourceCase> {};

TEST_P(ResourceLanguageTest, ResourceIsThereInItsLanguage) {
    const ProgramResources resources(ProgramUnderTest());
    EXPECT_FALSE(resources.Data(GetParam().type, GetParam().id, GetParam().language).empty());
}

INSTANTIATE_TEST_SUITE_P(Resources, ResourceLanguageTest,
                         testing::Values(ResourceCase{RT_GROUP_ICON, IDI_NEROLITH, kRussian},
                                         ResourceCase{RT_MENU, IDM_MAIN_MENU, kRussian},
                                         ResourceCase{RT_DIALOG, IDD_EXPRESSION_PAGE, kRussian},
                                         ResourceCase{RT_DIALOG, IDD_MATRIX_PAGE, kRussian},
                                         ResourceCase{RT_DIALOG, IDD_EQUATIONS_PAGE, kRussian},
                                         ResourceCase{RT_DIALOG, IDD_ABOUT, kRussian},
                                         ResourceCase{RT_BITMAP, IDB_ABOUT_PICTURE, kRussian},
                                         ResourceCase{RT_VERSION, 1, kRussian},
                                         ResourceCase{RT_MANIFEST, 1, kNeutral}));

template <typename T>
T ReadAt(std::string_view data, size_t offset) {
    T value{};
    std::memcpy(&value, data.data() + offset, sizeof(T));
    return value;
}

TEST(ResourceTest, IconIsOne32By32ImageIn16Colours) {
    const ProgramResources resources(ProgramUnderTest());
    const std::string_view group = resources.Data(RT_GROUP_ICON, IDI_NEROLITH, kRussian);
    ASSERT_GE(group.size(), 6u + 14u);
    EXPECT_EQ(ReadAt<uint16_t>(group, 4), 1) << "one image";
    EXPECT_EQ(ReadAt<uint8_t>(group, 6), 32);
    EXPECT_EQ(ReadAt<uint8_t>(group, 7), 32);
    EXPECT_EQ(ReadAt<uint8_t>(group, 8), 16);
    EXPECT_EQ(ReadAt<uint16_t>(group, 12), 4) << "bits per pixel";
}

TEST(ResourceTest, AboutPictureIs107By73In16Colours) {
    const ProgramResources resources(ProgramUnderTest());
    const std::string_view bitmap = resources.Data(RT_BITMAP, IDB_ABOUT_PICTURE, kRussian);
    ASSERT_GE(bitmap.size(), sizeof(BITMAPINFOHEADER));
    const auto header = ReadAt<BITMAPINFOHEADER>(bitmap, 0);
    EXPECT_EQ(header.biWidth, 107);
    EXPECT_EQ(header.biHeight, 73);
    EXPECT_EQ(header.biBitCount, 4);
}

TEST(ResourceTest, ManifestAsksForCommonControls6) {
    const ProgramResources resources(ProgramUnderTest());
    const std::string_view manifest = resources.Data(RT_MANIFEST, 1, kNeutral);
    EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\""), std::string_view::npos);
    EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string_view::npos);
    EXPECT_NE(manifest.find("publicKeyToken=\"6595b64144ccf1df\""), std::string_view::npos);
}

struct DialogFrame {
    int id;
    DWORD style;
    int16_t x, y, width, height;
    uint16_t controls;
};

class DialogFrameTest : public testing::TestWithParam<DialogFrame> {};

TEST_P(DialogFrameTest, TemplateHasItsStyleRectangleAndControls) {
    const ProgramResources resources(ProgramUnderTest());
    const std::string_view dialog = resources.Data(RT_DIALOG, GetParam().id, kRussian);
    ASSERT_GE(dialog.size(), 26u);
    ASSERT_EQ(ReadAt<uint16_t>(dialog, 2), 0xFFFF) << "an extended template";
    EXPECT_EQ(ReadAt<DWORD>(dialog, 12), GetParam().style);
    EXPECT_EQ(ReadAt<uint16_t>(dialog, 16), GetParam().controls);
    EXPECT_EQ(ReadAt<int16_t>(dialog, 18), GetParam().x);
    EXPECT_EQ(ReadAt<int16_t>(dialog, 20), GetParam().y);
    EXPECT_EQ(ReadAt<int16_t>(dialog, 22), GetParam().width);
    EXPECT_EQ(ReadAt<int16_t>(dialog, 24), GetParam().height);
}

constexpr DWORD kPageStyle = WS_CHILD | WS_VISIBLE | DS_SETFONT;

INSTANTIATE_TEST_SUITE_P(
    Dialogs, DialogFrameTest,
    testing::Values(DialogFrame{IDD_EXPRESSION_PAGE, kPageStyle, 1, 14, 291, 186, 5},
                    DialogFrame{IDD_MATRIX_PAGE, kPageStyle, 1, 14, 291, 186, 15},
                    DialogFrame{IDD_EQUATIONS_PAGE, kPageStyle, 1, 14, 291, 186, 7},
                    DialogFrame{
                        IDD_ABOUT,
                        WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER | DS_SETFONT,
                        0, 0, 205, 76, 10}));

}  // namespace
