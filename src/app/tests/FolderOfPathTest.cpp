#include <gtest/gtest.h>

#include "FolderOfPath.h"

namespace {

TEST(FolderOfPath, KeepsEverythingThroughTheLastBackslash) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"C:\\Program Files\\Nerolith\\nerolith.exe", L"C:\\Program Files\\Nerolith\\"},
        {L"\\\\server\\share\\nerolith.exe", L"\\\\server\\share\\"},
        {L"\\nerolith.exe", L"\\"},
        {L"nerolith.exe", L""},
        {L"", L""}};
    for (const auto& [path, folder] : cases) {
        EXPECT_EQ(FolderOfPath(path), folder) << path;
    }
}

}  // namespace
