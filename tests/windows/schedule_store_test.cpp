#include "schedule_store.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

#include "file_replace.h"
#include "local_clock.h"
#include "schedule_catch_up.h"
#include "win_test_support.h"

namespace corvane {
namespace {

using testing::FileExists;
using testing::ReadWholeFile;
using testing::RemoveFile;
using testing::WriteWholeFile;

std::string RecordBytes(uint32_t userId, const char* time, const char* date) {
    ScheduleRecord record{};
    record.UserID = userId;
    record.Kind = skDaily;
    std::memcpy(record.SyncTime, time, 5);
    std::memcpy(record.SyncDate, date, 9);
    return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

// The schedule file lives in cvdata beside the test executable, as it does
// beside the program (with the shipped data files); each test starts without it.
class ScheduleStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        RemoveSchedules();
        CreateDirectoryA(folder_.c_str(), nullptr);
    }
    void TearDown() override {
        RemoveSchedules();
        if (FileExists(aside_)) MoveFileA(aside_.c_str(), folder_.c_str());
    }

    void RemoveSchedules() const {
        RemoveFile(file_ + ".tmp");
        RemoveDirectoryA((file_ + ".tmp").c_str());
        RemoveFile(file_);
        RemoveDirectoryA(file_.c_str());
    }

    // Takes the whole data folder away for the rest of the test.
    void MoveDataFolderAside() const { ASSERT_TRUE(MoveFileA(folder_.c_str(), aside_.c_str())); }

    const std::string folder_ = testing::ExeDirectory() + "cvdata";
    const std::string aside_ = folder_ + ".aside";
    const std::string file_ = folder_ + "\\cvsche.dat";
};

TEST_F(ScheduleStoreTest, NoFileGivesAnEmptyListAndTheFirstSaveCreatesIt) {
    ScheduleListHolder holder;
    ScheduleListCreate(holder);
    ASSERT_NE(holder, nullptr);
    EXPECT_EQ(ScheduleListCount(holder), 0);
    ScheduleListAdd(holder, std::make_unique<ScheduleRecord>());
    ScheduleListFree(holder);
    EXPECT_EQ(holder, nullptr);
    EXPECT_EQ(ReadWholeFile(file_), std::string(24, '\0'));
}

TEST_F(ScheduleStoreTest, NoDataFolderMeansNothingIsWrittenOrCreated) {
    MoveDataFolderAside();
    ScheduleListHolder holder;
    EXPECT_EQ(ScheduleListLoad(holder), 1);
    ScheduleListAdd(holder, std::make_unique<ScheduleRecord>());
    EXPECT_EQ(ScheduleListSave(holder), 0);
    EXPECT_FALSE(FileExists(folder_));
}

TEST_F(ScheduleStoreTest, LoadCatchesUpAgainstTheLocalClockAndSaveWritesWholeRecords) {
    const std::string future = RecordBytes(1, "0800", "99991231");
    WriteWholeFile(file_, future + RecordBytes(2, "0800", "19990101") + "tail");
    const ClockTexts before = MakeClockTexts(ReadLocalClock());
    ScheduleListHolder holder;
    ASSERT_EQ(ScheduleListLoad(holder), 1);
    ASSERT_EQ(ScheduleListCount(holder), 2);
    const ScheduleRecord* caughtUp = ScheduleListAt(holder, 1);
    EXPECT_GT(std::strcmp(caughtUp->SyncDate, before.Date), 0);  // a daily schedule moves to tomorrow
    EXPECT_EQ(ScheduleListSave(holder), 1);
    const std::string saved = ReadWholeFile(file_);
    ASSERT_EQ(saved.size(), 48u);
    EXPECT_EQ(saved.substr(0, 24), future);
    EXPECT_FALSE(FileExists(file_ + ".tmp"));
}

TEST_F(ScheduleStoreTest, AReadOnlyFileIsLeftByteForByte) {
    const std::string old = RecordBytes(1, "0800", "99991231");
    WriteWholeFile(file_, old);
    SetFileAttributesA(file_.c_str(), FILE_ATTRIBUTE_READONLY);
    ScheduleListHolder holder = std::make_unique<ScheduleList>();
    ScheduleListAdd(holder, std::make_unique<ScheduleRecord>());
    ScheduleListAdd(holder, std::make_unique<ScheduleRecord>());
    EXPECT_EQ(ScheduleListSave(holder), 0);
    EXPECT_EQ(ReadWholeFile(file_), old);
    EXPECT_FALSE(FileExists(file_ + ".tmp"));
}

TEST_F(ScheduleStoreTest, AnUnwritableTemporaryLeavesTheFileByteForByte) {
    const std::string old = RecordBytes(1, "0800", "99991231");
    WriteWholeFile(file_, old);
    ASSERT_TRUE(CreateDirectoryA((file_ + ".tmp").c_str(), nullptr));  // the temporary cannot be created
    ScheduleListHolder holder = std::make_unique<ScheduleList>();
    EXPECT_EQ(ScheduleListSave(holder), 0);
    EXPECT_EQ(ReadWholeFile(file_), old);
}

TEST_F(ScheduleStoreTest, AStaleTemporaryFromAnInterruptedSaveIsReplaced) {
    WriteWholeFile(file_ + ".tmp", "half a rec");
    WriteWholeFile(file_, RecordBytes(1, "0800", "99991231"));
    ScheduleListHolder holder = std::make_unique<ScheduleList>();
    EXPECT_EQ(ScheduleListSave(holder), 1);
    EXPECT_EQ(ReadWholeFile(file_), "");
    EXPECT_FALSE(FileExists(file_ + ".tmp"));
}

TEST(ReplaceFileContents, RefusesAPathWithNoRoomForTheTemporaryName) {
    const std::string longest(255, 'x');  // 255 characters: with ".tmp" it needs 260 and the terminator
    EXPECT_EQ(ReplaceFileContents(longest.c_str(), "a", 1), 0);
    EXPECT_FALSE(FileExists(longest));
    EXPECT_EQ(ReplaceFileContents(nullptr, "a", 1), 0);
}

}  // namespace
}  // namespace corvane
