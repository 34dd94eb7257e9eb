#include "schedule_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "schedule_test_support.h"

namespace corvane {
namespace {

using testing::DateOf;
using testing::JuneWeekTime;
using testing::MakeRecord;

std::vector<unsigned char> Bytes(const std::vector<ScheduleRecord>& records) {
    std::vector<unsigned char> bytes(records.size() * sizeof(ScheduleRecord));
    if (!records.empty()) std::memcpy(bytes.data(), records.data(), bytes.size());
    return bytes;
}

class ScheduleFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = ::testing::TempDir() + "cvsche_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".dat";
        std::remove(path_.c_str());
    }
    void TearDown() override { std::remove(path_.c_str()); }

    void Write(const std::vector<unsigned char>& bytes) const {
        std::ofstream out(path_, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

    std::string path_;
    const LocalTime now_ = JuneWeekTime(3, 8, 0);  // Wednesday 3 June 2026, 08:00
};

// Only a missing file is "no schedules"; a file that is there but cannot be
// read is told apart, so that it is never written over.
TEST_F(ScheduleFileTest, OnlyAMissingFileReadsAsEmpty) {
    const struct {
        std::string path;
        FileLoad load;
    } rows[] = {
        {path_, FileLoad::NotFound},
        {::testing::TempDir() + "no_such_folder/cvsche.dat", FileLoad::NotFound},
        {::testing::TempDir(), FileLoad::Unreadable},  // a folder in place of the file
    };
    for (const auto& row : rows) {
        ScheduleListHolder holder;
        EXPECT_EQ(ScheduleListLoadFile(holder, row.path.c_str(), now_), row.load) << row.path;
        ASSERT_NE(holder, nullptr);
        EXPECT_EQ(holder->Load, row.load);
        EXPECT_EQ(ScheduleListCount(holder), 0);
    }
}

TEST_F(ScheduleFileTest, NoPathGivesAnEmptyList) {
    ScheduleListHolder holder = std::make_unique<ScheduleList>();
    ScheduleListAdd(holder, testing::NewRecord(1));
    EXPECT_EQ(ScheduleListLoadFile(holder, nullptr, now_), FileLoad::NoPath);
    ASSERT_NE(holder, nullptr);
    EXPECT_EQ(ScheduleListCount(holder), 0);
}

// Gives whole records, then fails part-way, as a disk error would.
class FailingSource : public ByteSource {
public:
    explicit FailingSource(std::vector<unsigned char> bytes) : bytes_(std::move(bytes)) {}
    std::size_t Size() override { return bytes_.size() * 2; }
    bool Read(void* buffer, std::size_t wanted, std::size_t& got) override {
        got = std::min(wanted, bytes_.size());
        std::memcpy(buffer, bytes_.data(), got);
        return false;
    }

private:
    std::vector<unsigned char> bytes_;
};

TEST_F(ScheduleFileTest, AReadErrorPartWayIsNotALoad) {
    ScheduleList list;
    FailingSource source(Bytes({MakeRecord(1, skDaily, 0, "0800", "20270101")}));
    EXPECT_FALSE(ReadScheduleRecords(list, source, now_));
}

// Once a file that could not be read is read: what the person changed keeps
// the run's record; a record the program made up or moved on takes the
// file's (caught up); the file's other records join; handed-out records stay put.
TEST_F(ScheduleFileTest, OnALateReadOnlyThePersonsChangesBeatTheFile) {
    ScheduleListHolder holder = std::make_unique<ScheduleList>();
    holder->Load = FileLoad::Unreadable;
    ScheduleListAdd(holder, std::make_unique<ScheduleRecord>(MakeRecord(2, skDaily, 0, "0800", "20260603")));
    ScheduleListAdd(holder, std::make_unique<ScheduleRecord>(MakeRecord(3, skDaily, 0, "0715", "20260604")));
    ScheduleListAdd(holder, std::make_unique<ScheduleRecord>(MakeRecord(4, skDaily, 0, "0900", "20260605")));
    ScheduleListMarkEdited(holder, 3);
    const ScheduleRecord* madeUp = ScheduleListAt(holder, 0);
    Write(Bytes({MakeRecord(1, skDaily, 0, "0800", "20270101"), MakeRecord(2, skWeekly, 3, "2130", "20260604"),
                 MakeRecord(3, skWeekly, 3, "2130", "20260604"), MakeRecord(4, skDaily, 0, "1000", "20260101"),
                 MakeRecord(1, skDaily, 0, "1100", "20270101")}));
    ScheduleListHolder fromFile;
    ASSERT_EQ(ScheduleListLoadFile(fromFile, path_.c_str(), now_), FileLoad::Read);
    MergeScheduleRecords(*holder, std::move(*fromFile));
    EXPECT_EQ(holder->Load, FileLoad::Read);
    ASSERT_EQ(ScheduleListCount(holder), 5);
    EXPECT_EQ(ScheduleListAt(holder, 0), madeUp);
    const struct {
        int index;
        uint32_t user;
        int16_t kind;
        const char* time;
        const char* date;
    } rows[] = {
        {0, 2, skWeekly, "2130", "20260604"},  // the page's made-up record gives way
        {1, 3, skDaily, "0715", "20260604"},   // the person's change stays
        {2, 4, skDaily, "1000", "20260604"},   // a move of the program's gives way, the file's caught up
        {3, 1, skDaily, "0800", "20270101"},
        {4, 1, skDaily, "1100", "20270101"},
    };
    for (const auto& row : rows) {
        const ScheduleRecord& record = *ScheduleListAt(holder, row.index);
        EXPECT_EQ(record.UserID, row.user) << row.index;
        EXPECT_EQ(record.Kind, row.kind) << row.index;
        EXPECT_STREQ(record.SyncTime, row.time) << row.index;
        EXPECT_EQ(DateOf(record), row.date) << row.index;
    }
}

TEST_F(ScheduleFileTest, FutureRecordsComeBackByteForByte) {
    std::vector<ScheduleRecord> records = {
        MakeRecord(1, skDaily, 0, "0800", "20260603"),
        MakeRecord(0xFFFFFFFFu, skWeekly, 6, "2359", "20301231"),
        MakeRecord(3, skEveryNDays, -2, "0000", "20260604"),
    };
    records[1].Reserved[0] = 0xAB;  // reserved bytes are kept as read
    records[1].Reserved[1] = 0xCD;
    const auto bytes = Bytes(records);
    Write(bytes);
    ScheduleListHolder holder;
    ASSERT_EQ(ScheduleListLoadFile(holder, path_.c_str(), now_), FileLoad::Read);
    EXPECT_EQ(ScheduleListCount(holder), 3);
    EXPECT_EQ(ScheduleFileBytes(holder), bytes);
}

TEST_F(ScheduleFileTest, PastDueRecordsAreCaughtUpOnLoad) {
    Write(Bytes({
        MakeRecord(1, skDaily, 0, "0800", "20260603"),   // the current minute: not caught up
        MakeRecord(2, skDaily, 0, "0759", "20260603"),   // a minute ago: tomorrow
        MakeRecord(3, skWeekly, 4, "0900", "20260101"),  // Friday
    }));
    ScheduleListHolder holder;
    ScheduleListLoadFile(holder, path_.c_str(), now_);
    ASSERT_EQ(ScheduleListCount(holder), 3);
    EXPECT_EQ(DateOf(*ScheduleListAt(holder, 0)), "20260603");
    EXPECT_EQ(DateOf(*ScheduleListAt(holder, 1)), "20260604");
    EXPECT_EQ(DateOf(*ScheduleListAt(holder, 2)), "20260605");
    EXPECT_STREQ(ScheduleListAt(holder, 1)->SyncTime, "0759");
}

// Loading decides and moves every record exactly as IsPastDue and CatchUp do
// one record at a time, also for dates that share today's first bytes, hold
// a zero or bytes above 0x7F, or fill their field without a terminator.
TEST_F(ScheduleFileTest, LoadCatchesUpAsEachRecordAlone) {
    std::vector<ScheduleRecord> records = {
        MakeRecord(1, skDaily, 0, "0759", "20260603"),   MakeRecord(2, skDaily, 0, "0800", "20260603"),
        MakeRecord(3, skWeekly, 0, "0800", "20260602"),  MakeRecord(4, skWeekly, 6, "0800", "20250101"),
        MakeRecord(5, skEveryNDays, 3, "0000", "2026060"), MakeRecord(6, skNothing, 2, "0800", ""),
        MakeRecord(7, 9, 100, "2359", "20260604"),         MakeRecord(8, skWeekly, 2, "0800", "2026\x80\x80\x80\x80"),
        MakeRecord(9, skWeekly, 4, "0800", "20260603"),    MakeRecord(10, skDaily, 0, "0800", "20260603"),
    };
    std::memcpy(records[8].SyncDate, "202606030", 9);  // today's digits, then no terminator
    std::memcpy(records[9].SyncDate, "2026\0\x39\x39\x39", 9);  // a zero inside
    for (ScheduleRecord& record : records) record.Reserved[0] = 0x7E;
    Write(Bytes(records));
    const ClockTexts clock = MakeClockTexts(now_);
    ScheduleListHolder holder;
    ScheduleListLoadFile(holder, path_.c_str(), now_);
    ASSERT_EQ(ScheduleListCount(holder), static_cast<int32_t>(records.size()));
    for (std::size_t i = 0; i < records.size(); ++i) {
        ScheduleRecord expected = records[i];
        if (IsPastDue(expected, clock)) CatchUp(expected, clock);
        EXPECT_EQ(std::memcmp(ScheduleListAt(holder, static_cast<int32_t>(i)), &expected, sizeof expected), 0)
            << "record " << i;
    }
}

TEST_F(ScheduleFileTest, ATailShorterThanARecordIsDropped) {
    auto bytes = Bytes({MakeRecord(1, skDaily, 0, "0800", "20270101"), MakeRecord(2, skDaily, 0, "0800", "20270101")});
    const auto whole = bytes;
    bytes.insert(bytes.end(), 23, 0x55);
    Write(bytes);
    ScheduleListHolder holder;
    ScheduleListLoadFile(holder, path_.c_str(), now_);
    EXPECT_EQ(ScheduleListCount(holder), 2);
    EXPECT_EQ(ScheduleFileBytes(holder), whole);
}

TEST_F(ScheduleFileTest, LoadsAcrossReadChunks) {
    std::vector<ScheduleRecord> records;
    for (uint32_t id = 0; id < 2500; ++id) records.push_back(MakeRecord(id, skDaily, 0, "0800", "20270101"));
    const auto bytes = Bytes(records);
    Write(bytes);
    ScheduleListHolder holder;
    ScheduleListLoadFile(holder, path_.c_str(), now_);
    ASSERT_EQ(ScheduleListCount(holder), 2500);
    EXPECT_EQ(ScheduleListAt(holder, 2499)->UserID, 2499u);
    EXPECT_EQ(ScheduleFileBytes(holder), bytes);
    // Loaded records stay where they are while records are added after them.
    const ScheduleRecord* first = ScheduleListAt(holder, 0);
    for (uint32_t id = 2500; id < 3000; ++id) ScheduleListAdd(holder, testing::NewRecord(id));
    EXPECT_EQ(ScheduleListAt(holder, 0), first);
    EXPECT_EQ(first->UserID, 0u);
    EXPECT_EQ(ScheduleListAt(holder, 2999)->UserID, 2999u);
}

TEST_F(ScheduleFileTest, DuplicateUsersAreKeptInOrder) {
    Write(Bytes({MakeRecord(5, skDaily, 0, "0800", "20270101"), MakeRecord(5, skDaily, 0, "0900", "20270102")}));
    ScheduleListHolder holder;
    ScheduleListLoadFile(holder, path_.c_str(), now_);
    ASSERT_EQ(ScheduleListCount(holder), 2);
    EXPECT_EQ(ScheduleListFind(holder, 5), ScheduleListAt(holder, 0));
    EXPECT_EQ(ScheduleFileBytes(holder).size(), 48u);
}

}  // namespace
}  // namespace corvane
