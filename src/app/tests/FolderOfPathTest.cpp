#include <gtest/gtest.h>

#include "FolderOfPath.h"

namespace {

struct FolderCase {
    const wchar_t* path;
    const wchar_t* folder;
};

class FolderOfPathTest : public testing::TestWithParam<FolderCase> {};

TEST_P(FolderOfPathTest, KeepsEverythingThroughTheLastBackslash) {
    EXPECT_EQ(FolderOfPath(GetParam().path), GetParam().folder);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, FolderOfPathTest,
    testing::Values(FolderCase{L"C:\\Program Files\\Nerolith\\nerolith.exe",
                               L"C:\\Program Files\\Nerolith\\"},
                    FolderCase{L"Z:\\tmp\\a b\\c\\nerolith.exe", L"Z:\\tmp\\a b\\c\\"},
                    FolderCase{L"\\\\server\\share\\nerolith.exe", L"\\\\server\\share\\"},
                    FolderCase{L"\\nerolith.exe", L"\\"},
                    FolderCase{L"C:\\Nerolith\\", L"C:\\Nerolith\\"},
                    FolderCase{L"nerolith.exe", L""}, FolderCase{L"", L""}));

}  // namespace
