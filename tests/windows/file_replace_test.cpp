#include "file_replace.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <thread>

#include "win_test_support.h"

namespace corvane {
namespace {

using testing::FileExists;
using testing::ReadWholeFile;

// A scanner or indexer holding the file (opened without sharing its deletion)
// for a moment must not cost the new contents; one holding it for good leaves
// the old contents and no temporary file behind.
TEST(ReplaceFileContents, RetriesAFileHeldForAMomentAndGivesUpOnOneHeldForGood) {
    const testing::ScratchFolder folder("corvane-replace");
    const std::string file = folder.Path() + "cvsche.dat";
    const std::wstring wide(file.begin(), file.end());
    const struct {
        DWORD heldFor;  // milliseconds; 0: the whole time
        int result;
        const char* contents;
    } rows[] = {{120, 1, "new"}, {0, 0, "old"}};
    for (const auto& row : rows) {
        ASSERT_TRUE(testing::WriteWholeFile(file, "old"));
        HANDLE held = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        std::thread release([held, &row] {
            if (row.heldFor == 0) return;
            Sleep(row.heldFor);
            CloseHandle(held);
        });
        EXPECT_EQ(ReplaceFileContents(wide.c_str(), "new", 3), row.result) << row.heldFor;
        release.join();
        if (row.heldFor == 0) CloseHandle(held);
        EXPECT_EQ(ReadWholeFile(file), row.contents);
        EXPECT_FALSE(FileExists(file + ".tmp"));
    }
}

}  // namespace
}  // namespace corvane
