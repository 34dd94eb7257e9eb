#include "schedule_store.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <functional>
#include <utility>
#include <string>
#include <vector>

#include "change_saver.h"
#include "file_replace.h"
#include "local_clock.h"
#include "options.h"
#include "schedule_catch_up.h"
#include "win_handles.h"
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

std::unique_ptr<ScheduleRecord> NewRecord(uint32_t userId) {
    auto record = std::make_unique<ScheduleRecord>();
    *record = ScheduleRecord{};
    record->UserID = userId;
    return record;
}

// Holds a file open without sharing it, as a backup program or a scanner may.
UniqueHandle HoldWithoutSharing(const std::string& path) {
    return UniqueHandle(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
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

    // Takes the whole data folder away (the shipped files with it) for the rest of the test.
    void MoveDataFolderAside() const { ASSERT_TRUE(MoveFileA(folder_.c_str(), aside_.c_str())); }

    const std::string folder_ = testing::ExeDirectory() + "cvdata";
    const std::string aside_ = folder_ + ".aside";
    const std::string file_ = folder_ + "\\cvsche.dat";
};

TEST_F(ScheduleStoreTest, NoFileGivesAnEmptyListAndTheFirstSaveCreatesIt) {
    ScheduleListHolder holder;
    ScheduleListCreate(holder);
    ASSERT_NE(holder, nullptr);
    EXPECT_EQ(holder->Load, FileLoad::NotFound);
    EXPECT_EQ(ScheduleListCount(holder), 0);
    ScheduleListAdd(holder, NewRecord(0));
    EXPECT_EQ(ScheduleListSave(holder), 1);
    EXPECT_EQ(ReadWholeFile(file_), std::string(24, '\0'));
}

TEST_F(ScheduleStoreTest, AMissingDataFolderIsMadeAtTheSave) {
    MoveDataFolderAside();
    ScheduleListHolder holder;
    EXPECT_EQ(ScheduleListLoad(holder), FileLoad::NotFound);
    ScheduleListAdd(holder, NewRecord(7));
    EXPECT_EQ(ScheduleListSave(holder), 1);
    EXPECT_EQ(ReadWholeFile(file_).size(), 24u);
    RemoveSchedules();
    RemoveDirectoryA(folder_.c_str());
}

TEST_F(ScheduleStoreTest, LoadCatchesUpAgainstTheLocalClockAndSaveWritesWholeRecords) {
    const std::string future = RecordBytes(1, "0800", "99991231");
    WriteWholeFile(file_, future + RecordBytes(2, "0800", "19990101") + "tail");
    const ClockTexts before = MakeClockTexts(ReadLocalClock());
    ScheduleListHolder holder;
    ASSERT_EQ(ScheduleListLoad(holder), FileLoad::Read);
    ASSERT_EQ(ScheduleListCount(holder), 2);
    const ScheduleRecord* caughtUp = ScheduleListAt(holder, 1);
    EXPECT_GT(std::strcmp(caughtUp->SyncDate, before.Date), 0);  // a daily schedule moves to tomorrow
    EXPECT_EQ(ScheduleListSave(holder), 1);
    const std::string saved = ReadWholeFile(file_);
    ASSERT_EQ(saved.size(), 48u);
    EXPECT_EQ(saved.substr(0, 24), future);
    EXPECT_FALSE(FileExists(file_ + ".tmp"));
}

// A file that exists but cannot be read is never taken for "no schedules":
// the list is marked, the save refused and the file left byte for byte; once
// it can be read, its records join what the run has meanwhile.
TEST_F(ScheduleStoreTest, AFileThatCannotBeReadIsNeverWrittenOverAndIsReadWhenItCanBe) {
    const std::string old = RecordBytes(1, "0800", "99991231") + RecordBytes(2, "0900", "99991231");
    WriteWholeFile(file_, old);
    UniqueHandle held = HoldWithoutSharing(file_);
    ASSERT_TRUE(held);
    ScheduleListHolder holder;
    DWORD reason = ERROR_SUCCESS;
    EXPECT_EQ(ScheduleListLoad(holder, &reason), FileLoad::Unreadable);
    EXPECT_EQ(reason, static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    ScheduleListAdd(holder, NewRecord(2));  // a change of the person's made meanwhile
    ScheduleListMarkEdited(holder, 2);
    EXPECT_EQ(ScheduleListSave(holder), 0);
    EXPECT_EQ(ScheduleListReload(holder), FileLoad::Unreadable);
    held.Reset();
    EXPECT_EQ(ReadWholeFile(file_), old);

    EXPECT_EQ(ScheduleListReload(holder), FileLoad::Read);
    ASSERT_EQ(ScheduleListCount(holder), 2);
    EXPECT_EQ(std::string(ScheduleListFind(holder, 2)->SyncTime), "");  // the run's own record is kept
    EXPECT_EQ(std::string(ScheduleListFind(holder, 1)->SyncTime), "0800");
    EXPECT_EQ(ScheduleListSave(holder), 1);
}

TEST_F(ScheduleStoreTest, AReadOnlyFileIsLeftByteForByteWithTheReason) {
    const std::string old = RecordBytes(1, "0800", "99991231");
    WriteWholeFile(file_, old);
    SetFileAttributesA(file_.c_str(), FILE_ATTRIBUTE_READONLY);
    ScheduleListHolder holder = std::make_unique<ScheduleList>();
    ScheduleListAdd(holder, NewRecord(1));
    ScheduleListAdd(holder, NewRecord(2));
    DWORD reason = ERROR_SUCCESS;
    EXPECT_EQ(ScheduleListSave(holder, &reason), 0);
    EXPECT_EQ(reason, static_cast<DWORD>(ERROR_ACCESS_DENIED));
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

// A replace cut short between removing the old file and renaming the new one
// (as on FAT) leaves the flushed temporary file alone: it is the schedules.
TEST_F(ScheduleStoreTest, ALoneTemporaryIsReadAndPutInPlace) {
    const std::string saved = RecordBytes(5, "0800", "99991231");
    WriteWholeFile(file_ + ".tmp", saved);
    ScheduleListHolder holder;
    EXPECT_EQ(ScheduleListLoad(holder), FileLoad::Read);
    ASSERT_EQ(ScheduleListCount(holder), 1);
    EXPECT_EQ(ScheduleListAt(holder, 0)->UserID, 5u);
    EXPECT_EQ(ReadWholeFile(file_), saved);
    EXPECT_FALSE(FileExists(file_ + ".tmp"));
}

// Held at start-up, the lone temporary is unreadable, never "no schedules":
// nothing is written over it, and once free every record is read.
TEST_F(ScheduleStoreTest, AHeldLoneTemporaryKeepsEveryRecord) {
    const std::string saved = RecordBytes(5, "0800", "99991231") + RecordBytes(6, "0900", "99991231");
    WriteWholeFile(file_ + ".tmp", saved);
    ScheduleListHolder holder;
    UniqueHandle held = HoldWithoutSharing(file_ + ".tmp");
    EXPECT_EQ(ScheduleListLoad(holder), FileLoad::Unreadable);
    EXPECT_EQ(ScheduleListSave(holder), 0);
    held.Reset();
    EXPECT_FALSE(FileExists(file_));
    EXPECT_EQ(ScheduleListReload(holder), FileLoad::Read);
    EXPECT_EQ(ScheduleListCount(holder), 2);
    EXPECT_EQ(ReadWholeFile(file_), saved);
}

TEST(ReplaceFileContents, RefusesAPathWithNoRoomForTheTemporaryName) {
    const std::wstring longest(256, L'x');  // with ".tmp" it needs 260 characters and the terminator
    DWORD reason = ERROR_SUCCESS;
    EXPECT_EQ(ReplaceFileContents(longest.c_str(), "a", 1, &reason), 0);
    EXPECT_EQ(reason, static_cast<DWORD>(ERROR_FILENAME_EXCED_RANGE));
    EXPECT_FALSE(FileExists(std::string(256, 'x')));
    EXPECT_EQ(ReplaceFileContents(nullptr, "a", 1), 0);
}

// The saving of changes as the program runs: at once, a problem told once
// (with its path and reason), a file that could not be read never written.
struct Told {
    std::vector<DataFileProblem> Problems;
    std::vector<std::wstring> Paths;
    bool Retry = false;
    std::function<void()> WhileOpen;  // done while the message is open
};
Told told;

bool RecordProblem(const DataFileProblem& problem, SaveAsk) {
    told.Problems.push_back(problem);
    told.Paths.emplace_back(problem.Path);
    const bool retry = told.Retry;
    told.Retry = false;
    if (told.WhileOpen) std::exchange(told.WhileOpen, nullptr)();
    return retry;
}

class ChangeSaverTest : public ScheduleStoreTest {
protected:
    void SetUp() override {
        ScheduleStoreTest::SetUp();
        told = Told{};
        RemoveFile(ini_);
        options_.LoadFrom(std::wstring(ini_.begin(), ini_.end()).c_str());
        ScheduleListLoad(schedules_);
        saver_.Start(RecordProblem);
    }
    void TearDown() override {
        RemoveFile(ini_);
        ScheduleStoreTest::TearDown();
    }

    const std::string ini_ = folder_ + "\\saver_test.ini";
    TOptions options_;
    ScheduleListHolder schedules_;
    ChangeSaver saver_{options_, schedules_};
};

TEST_F(ChangeSaverTest, ChangesAreSavedAtOnceAndAFailureIsToldOnce) {
    ScheduleListAdd(schedules_, NewRecord(3));
    ASSERT_TRUE(saver_.SaveNow(SaveAsk::OncePerProblem));
    EXPECT_EQ(ReadWholeFile(file_).size(), 24u);

    SetFileAttributesA(file_.c_str(), FILE_ATTRIBUTE_READONLY);
    ScheduleListAdd(schedules_, NewRecord(4));
    EXPECT_FALSE(saver_.SaveNow(SaveAsk::OncePerProblem));
    EXPECT_FALSE(saver_.SaveNow(SaveAsk::OncePerProblem));
    ASSERT_EQ(told.Problems.size(), 1u);  // once, not at every attempt
    EXPECT_FALSE(told.Problems[0].Reading);
    EXPECT_EQ(told.Problems[0].Reason, static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(told.Paths[0], testing::WideExeDirectory() + L"cvdata\\cvsche.dat");
    // At exit every failure asks: Retry tries again, Cancel gives up.
    told.Retry = true;
    EXPECT_FALSE(saver_.SaveNow(SaveAsk::UntilAnswered));
    EXPECT_EQ(told.Problems.size(), 3u);
    EXPECT_TRUE(told.Problems[2].Again);  // the Retry that failed again is told so
    SetFileAttributesA(file_.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(saver_.SaveNow(SaveAsk::OncePerProblem));
    EXPECT_EQ(ReadWholeFile(file_).size(), 48u);

    // Held at start-up: told as unreadable, and the file stays byte for byte.
    const std::string old = ReadWholeFile(file_);
    {
        const UniqueHandle held = HoldWithoutSharing(file_);
        ScheduleListLoad(schedules_);
        ScheduleListAdd(schedules_, NewRecord(9));
        EXPECT_FALSE(saver_.SaveNow(SaveAsk::OncePerProblem));
    }
    ASSERT_EQ(told.Problems.size(), 4u);
    EXPECT_TRUE(told.Problems[3].Reading);
    EXPECT_EQ(ReadWholeFile(file_), old);
    ScheduleListClear(schedules_);
}

// A settings file that cannot be written, with its message open: an edit of
// the schedules meanwhile still reaches the disk, and no second message opens.
TEST_F(ChangeSaverTest, AnOpenMessageNeverHoldsUpTheOtherFile) {
    WriteWholeFile(ini_, "[CVOption]\r\nShowHelp=1\r\n");
    SetFileAttributesA(ini_.c_str(), FILE_ATTRIBUTE_READONLY);
    options_.LoadFrom(std::wstring(ini_.begin(), ini_.end()).c_str());
    options_.PersonSet(&TOptions::ShowHelp, 0);
    std::string onDiskWhileOpen;
    told.WhileOpen = [&] {
        ScheduleListAdd(schedules_, NewRecord(7));
        options_.PersonSet(&TOptions::FormIndex, 1);
        saver_.SaveNow(SaveAsk::OncePerProblem);  // as the coalescing timer does inside the message's loop
        onDiskWhileOpen = ReadWholeFile(file_);
    };
    EXPECT_FALSE(saver_.SaveNow(SaveAsk::OncePerProblem));
    EXPECT_EQ(onDiskWhileOpen, ReadWholeFile(file_));
    EXPECT_EQ(onDiskWhileOpen.size(), 24u);
    ASSERT_EQ(told.Problems.size(), 1u);
    EXPECT_EQ(told.Paths[0], testing::WideExeDirectory() + L"cvdata\\saver_test.ini");
    SetFileAttributesA(ini_.c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
}  // namespace corvane
