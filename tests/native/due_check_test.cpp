#include "due_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "next_occurrence.h"
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

TEST(DueCheck, TheNextOccurrenceKeepsTheScheduleTimeAndRhythm) {
    const MinuteNumber wednesdayNoon = MinuteNumberOf(JuneWeekTime(3, 12, 0));
    const struct {
        const char* Case;
        ScheduleRecord Record;
        MinuteNumber After;
        const char* Date;
    } cases[] = {
        {"daily, days behind", MakeRecord(1, skDaily, 0, "0800", "20260528"), wednesdayNoon, "20260604"},
        {"daily, still ahead today", MakeRecord(1, skDaily, 0, "1700", "20260601"), wednesdayNoon, "20260603"},
        {"weekly keeps today's occurrence", MakeRecord(1, skWeekly, 0, "1700", "20260601"),
         MinuteNumberOf(JuneWeekTime(15, 9, 0)), "20260615"},
        {"weekly goes on to its weekday", MakeRecord(1, skWeekly, 4, "0800", "20260601"), wednesdayNoon, "20260605"},
        {"every 3 days keeps its rhythm", MakeRecord(1, skEveryNDays, 3, "0800", "20260526"), wednesdayNoon,
         "20260604"},
        {"every 0 days counts as daily", MakeRecord(1, skEveryNDays, 0, "1200", "20260603"), wednesdayNoon,
         "20260604"},
        {"a year ahead comes back", MakeRecord(1, skDaily, 0, "0800", "20270603"), wednesdayNoon, "20260604"},
    };
    for (auto row : cases) {
        MoveToNextOccurrence(row.Record, row.After);
        EXPECT_EQ(DateOf(row.Record), row.Date) << row.Case;
        EXPECT_EQ(ScheduleMoment(row.Record), NextOccurrence(row.Record, row.After)) << row.Case;
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
