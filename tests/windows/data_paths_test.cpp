#include "data_paths.h"

#include <gtest/gtest.h>

#include <string>

#include "win_test_support.h"

namespace corvane {
namespace {

using testing::WideExeDirectory;

TEST(GetExeDir, GivesTheExecutablesDirectoryWithATrailingBackslash) {
    WidePath buffer;
    ASSERT_EQ(GetExeDir(&buffer), 1);
    EXPECT_EQ(std::wstring(buffer), WideExeDirectory());
    EXPECT_EQ(GetExeDir(nullptr), 0);
}

TEST(GetDataFilePath, MapsTheFourIndices) {
    const std::wstring dir = WideExeDirectory();
    const struct {
        int32_t index;
        const wchar_t* relative;
    } files[] = {
        {1, L"cvdata\\cvwkcond.dat"},
        {2, L"cvdata\\cvsche.dat"},
        {3, L"cvdata\\cvhelp.chm"},
        {4, L"cvdata\\cvremind.wav"},
    };
    for (const auto& file : files) {
        WidePath buffer;
        ASSERT_EQ(GetDataFilePath(file.index, &buffer), 1);
        EXPECT_EQ(std::wstring(buffer), dir + file.relative);
    }
}

TEST(GetDataFilePath, RefusesUnknownIndicesAndLeavesTheDirectory) {
    for (const int32_t index : {0, 5, -1}) {
        WidePath buffer;
        EXPECT_EQ(GetDataFilePath(index, &buffer), 0);
        EXPECT_EQ(std::wstring(buffer), WideExeDirectory());
    }
    EXPECT_EQ(GetDataFilePath(1, nullptr), 0);
}

}  // namespace
}  // namespace corvane
