#include "data_paths.h"

#include <gtest/gtest.h>

#include <string>

#include "win_test_support.h"

namespace corvane {
namespace {

using testing::ExeDirectory;

TEST(GetExeDir, GivesTheExecutablesDirectoryWithATrailingBackslash) {
    PathBuffer buffer;
    ASSERT_EQ(GetExeDir(&buffer), 1);
    EXPECT_EQ(std::string(buffer), ExeDirectory());
    EXPECT_EQ(GetExeDir(nullptr), 0);
}

TEST(GetDataFilePath, MapsTheFourIndices) {
    const std::string dir = ExeDirectory();
    const struct {
        int32_t index;
        const char* relative;
    } files[] = {
        {1, "cvdata\\cvwkcond.dat"},
        {2, "cvdata\\cvsche.dat"},
        {3, "cvdata\\cvhelp.chm"},
        {4, "cvdata\\cvremind.wav"},
    };
    for (const auto& file : files) {
        PathBuffer buffer;
        ASSERT_EQ(GetDataFilePath(file.index, &buffer), 1);
        EXPECT_EQ(std::string(buffer), dir + file.relative);
    }
}

TEST(GetDataFilePath, RefusesUnknownIndicesAndLeavesTheDirectory) {
    for (const int32_t index : {0, 5, -1}) {
        PathBuffer buffer;
        EXPECT_EQ(GetDataFilePath(index, &buffer), 0);
        EXPECT_EQ(std::string(buffer), ExeDirectory());
    }
    EXPECT_EQ(GetDataFilePath(1, nullptr), 0);
}

}  // namespace
}  // namespace corvane
