#include "due_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "schedule_test_support.h"

namespace corvane {
namespace {

using testing::DateOf;
using testing::JuneWeekTime;
using testing::MakeRecord;

// A run started at `start`, checked at each of `checks`: the checks (counted
// from 1) at which a record falls due, as long as nothing moves it.
std::vector<int> DueAtChecks(const ScheduleRecord& record, const LocalTime& start, const std::vector<LocalTime>& checks) {
    DueClock clock(start);
    std::vector<int> due;
    for (std::size_t i = 0; i < checks.size(); ++i) {
        if (FallsDue(record, clock.Advance(checks[i]))) due.push_back(static_cast<int>(i + 1));
    }
    return due;
}

TEST(DueCheck, EveryMinuteSinceThePreviousCheckCountsOnce) {
    const ScheduleRecord eight = MakeRecord(1, skDaily, 0, "0800", "20260603");
    const ScheduleRecord halfPastTwo = MakeRecord(1, skDaily, 0, "0230", "20260603");
    const struct {
        const char* Case;
        ScheduleRecord Record;
        LocalTime Start;
        std::vector<LocalTime> Checks;
        std::vector<int> Due;
    } cases[] = {
        {"on time", eight, JuneWeekTime(3, 7, 59), {JuneWeekTime(3, 8, 0), JuneWeekTime(3, 8, 1)}, {1}},
        {"in the start's minute", eight, JuneWeekTime(3, 8, 0), {JuneWeekTime(3, 8, 1)}, {1}},
        {"a skipped minute", eight, JuneWeekTime(3, 7, 58), {JuneWeekTime(3, 7, 59), JuneWeekTime(3, 8, 1)}, {2}},
        {"asleep over it", eight, JuneWeekTime(3, 7, 0), {JuneWeekTime(3, 7, 1), JuneWeekTime(5, 11, 30)}, {2}},
        {"across midnight", MakeRecord(1, skDaily, 0, "0000", "20260604"), JuneWeekTime(3, 23, 58),
         {JuneWeekTime(3, 23, 59), JuneWeekTime(4, 0, 1)}, {2}},
        {"clock moved forward", halfPastTwo, JuneWeekTime(3, 1, 58), {JuneWeekTime(3, 1, 59), JuneWeekTime(3, 3, 0)}, {2}},
        {"clock moved back an hour", halfPastTwo, JuneWeekTime(3, 2, 28),
         {JuneWeekTime(3, 2, 30), JuneWeekTime(3, 1, 31), JuneWeekTime(3, 2, 30), JuneWeekTime(3, 2, 31)}, {1}},
        {"clock corrected by a week", eight, JuneWeekTime(10, 12, 0),
         {JuneWeekTime(10, 12, 1), JuneWeekTime(3, 7, 59), JuneWeekTime(3, 8, 0)}, {3}},
        {"not yet", eight, JuneWeekTime(3, 7, 0), {JuneWeekTime(3, 7, 59)}, {}},
        {"never for Do Nothing", MakeRecord(1, skNothing, 0, "0800", "20260603"), JuneWeekTime(3, 7, 0),
         {JuneWeekTime(3, 9, 0)}, {}},
    };
    for (const auto& row : cases) EXPECT_EQ(DueAtChecks(row.Record, row.Start, row.Checks), row.Due) << row.Case;
}

TEST(DueCheck, AMovedScheduleNeverLandsWhereNoCheckComes) {
    const LocalTime wednesdayNoon = JuneWeekTime(3, 12, 0);
    const MinuteNumber passed = MinuteNumberOf(wednesdayNoon);
    const struct {
        const char* Case;
        ScheduleRecord Record;  // as the reminder's choice left it
        int32_t Delay;
        const char* Date;
        const char* Time;
    } cases[] = {
        {"next period still ahead", MakeRecord(1, skDaily, 0, "0800", "20260604"), 0, "20260604", "0800"},
        {"next period passed: daily", MakeRecord(1, skDaily, 0, "0800", "20260602"), 0, "20260604", "0800"},
        {"next period passed: Friday", MakeRecord(1, skWeekly, 4, "0800", "20260527"), 0, "20260605", "0800"},
        {"every 0 days keeps today", MakeRecord(1, skEveryNDays, 0, "1200", "20260603"), 0, "20260604", "1200"},
        {"delay still ahead", MakeRecord(1, skDaily, 0, "1205", "20260603"), 5, "20260603", "1205"},
        {"delay passed: counted from now", MakeRecord(1, skDaily, 0, "0805", "20260601"), 5, "20260603", "1205"},
    };
    for (auto row : cases) {
        KeepAhead(row.Record, passed, wednesdayNoon, row.Delay);
        EXPECT_EQ(DateOf(row.Record), row.Date) << row.Case;
        EXPECT_STREQ(row.Record.SyncTime, row.Time) << row.Case;
    }
}

TEST(DueCheck, MomentsReadAndWriteAcrossYearEnds) {
    char date[9];
    char time[5];
    WriteMinuteNumber(MinuteNumberOf("20031231", "2358") + 5, date, time);
    EXPECT_STREQ(date, "20040101");
    EXPECT_STREQ(time, "0003");
    EXPECT_EQ(MinuteNumberOf("19000101", "0000"), 0);
    WriteMinuteNumber(MinuteNumberOf("99991231", "2359") + 5, date, time);  // the last moment there is
    EXPECT_STREQ(date, "99991231");
    EXPECT_STREQ(time, "2359");
    EXPECT_EQ(MinuteNumberOf("20260603", "2575"), MinuteNumberOf("20260603", "2359"));  // read as ShiftDateTime reads it
}

}  // namespace
}  // namespace corvane
