#include "due_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "due_tracker.h"
#include "next_due.h"
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
        {"a date chosen a year ahead stays", MakeRecord(1, skDaily, 0, "0800", "20270603"), wednesdayNoon, "20270603"},
        {"weekly off its weekday keeps its own date", MakeRecord(1, skWeekly, 3, "1700", "20260605"), wednesdayNoon,
         "20260605"},
        {"weekly off its weekday, once behind, goes on to its weekday", MakeRecord(1, skWeekly, 3, "1700", "20260605"),
         MinuteNumberOf(JuneWeekTime(6, 9, 0)), "20260611"},
    };
    for (auto row : cases) {
        MoveToNextOccurrence(row.Record, row.After);
        EXPECT_EQ(DateOf(row.Record), row.Date) << row.Case;
        EXPECT_EQ(ScheduleMoment(row.Record), NextOccurrence(row.Record, row.After)) << row.Case;
    }
}

// One run of the tracker over a list, step by step: 'c' checks, 'h' sets the
// clock by hand, 's' settles user 1's reminder, 'd' delays it by `Delay`
// minutes. The result: every record's date, then how many reminders came.
struct Step {
    char What;
    LocalTime At;
    uint64_t RunningMinutes = 0;
    int32_t Delay = 0;
};

std::string RunSteps(const std::vector<ScheduleRecord>& records, const LocalTime& start, const std::vector<Step>& steps) {
    ScheduleListHolder list = std::make_unique<ScheduleList>();
    for (const ScheduleRecord& record : records) ScheduleListAdd(list, std::make_unique<ScheduleRecord>(record));
    DueTracker tracker(start);
    std::size_t reminders = 0;
    for (const Step& step : steps) {
        const ClockReading now{step.At, step.RunningMinutes * 60000};
        if (step.What == 'c') reminders += tracker.Check(list, now).size();
        if (step.What == 'h') tracker.ClockSetByHand(list, step.At);
        if (step.What == 's') tracker.Settle(list, 1, step.At);
        if (step.What == 'd') tracker.RemindAgain(list, 1, now, step.Delay);
    }
    std::string result;
    for (int32_t i = 0; i < ScheduleListCount(list); ++i) result += DateOf(*ScheduleListAt(list, i)) + " ";
    return result + std::to_string(reminders);
}

LocalTime At(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute) {
    return {year, month, day, hour, minute, 0};
}

TEST(DueCheck, ClockCorrectionsBringBackOnlyWhatTheWrongClockMoved) {
    const ScheduleRecord halfPastTen = MakeRecord(1, skDaily, 0, "1030", "20260603");
    const struct {
        const char* Case;
        std::vector<ScheduleRecord> Records;
        LocalTime Start;
        std::vector<Step> Steps;
        const char* Result;
    } cases[] = {
        {"a reminder open as the clock is put right a year back", {MakeRecord(1, skDaily, 0, "1030", "20270603")},
         At(2027, 6, 3, 10, 0),
         {{'c', At(2027, 6, 3, 10, 30)}, {'h', At(2026, 6, 3, 10, 32)}, {'s', At(2026, 6, 3, 10, 35)}}, "20260604 1"},
        {"a reminder open as the clock is put right a week back", {MakeRecord(1, skDaily, 0, "1030", "20260610")},
         At(2026, 6, 10, 10, 0),
         {{'c', At(2026, 6, 10, 10, 30)}, {'h', At(2026, 6, 3, 9, 0)}, {'s', At(2026, 6, 3, 9, 1)}}, "20260603 1"},
        {"a weekly record off its weekday, a small correction", {MakeRecord(1, skWeekly, 3, "1700", "20260605")},
         JuneWeekTime(4, 9, 0), {{'c', JuneWeekTime(4, 10, 0)}, {'h', JuneWeekTime(4, 9, 58)}}, "20260605 0"},
        {"a date the person chose months ahead", {MakeRecord(1, skDaily, 0, "0800", "20261001")},
         JuneWeekTime(4, 9, 0), {{'c', JuneWeekTime(4, 10, 0)}, {'h', JuneWeekTime(3, 10, 0)}}, "20261001 0"},
        {"what the wrong clock moved comes back", {halfPastTen}, JuneWeekTime(3, 10, 0),
         {{'h', At(2027, 6, 3, 10, 0)}, {'c', At(2027, 6, 3, 10, 1)}, {'h', JuneWeekTime(3, 10, 5)}}, "20260603 0"},
        {"and not before its own date", {MakeRecord(1, skWeekly, 3, "1700", "20260605")}, JuneWeekTime(3, 10, 0),
         {{'h', At(2027, 6, 3, 10, 0)}, {'c', At(2027, 6, 3, 10, 1)}, {'h', JuneWeekTime(3, 10, 5)}}, "20260605 0"},
        {"a user's second record is never touched",
         {halfPastTen, MakeRecord(1, skDaily, 0, "1030", "20270603")}, JuneWeekTime(3, 10, 0),
         {{'h', At(2027, 6, 3, 10, 0)}, {'c', At(2027, 6, 3, 10, 1)}, {'h', JuneWeekTime(3, 10, 5)}},
         "20260603 20270603 0"},
        {"a delay runs in running minutes, not on the wall clock", {halfPastTen}, JuneWeekTime(3, 10, 0),
         {{'c', JuneWeekTime(3, 10, 30), 0}, {'d', JuneWeekTime(3, 10, 30), 0, 5}, {'c', JuneWeekTime(3, 11, 34), 4},
          {'c', JuneWeekTime(3, 10, 35), 5}},
         "20260603 2"},
        {"a delay lapses as the clock is set by hand", {halfPastTen}, JuneWeekTime(3, 10, 0),
         {{'c', JuneWeekTime(3, 10, 30)}, {'d', JuneWeekTime(3, 10, 30), 0, 5}, {'h', JuneWeekTime(3, 10, 0), 1},
          {'c', JuneWeekTime(3, 10, 36), 6}},
         "20260603 2"},
    };
    for (const auto& row : cases) EXPECT_EQ(RunSteps(row.Records, row.Start, row.Steps), row.Result) << row.Case;
}

TEST(DueCheck, TheTimerWakesForTheEarliestMomentAcrossSummerTime) {
    constexpr int64_t kMinute = 60000;
    const MinuteNumber now = MinuteNumberOf(JuneWeekTime(3, 1, 50));
    // Summer time begins (+60) or ends (-60) 10 minutes from now.
    const auto changesBy = [](int32_t change) {
        return [change](int64_t ms) { return ms >= 10 * kMinute ? 60 + change : 60; };
    };
    const struct {
        const char* Case;
        NextDue Next;
        OffsetAfter Offset;
        int64_t WaitMs;
    } cases[] = {
        {"an occurrence in 40 minutes", {now + 40}, changesBy(0), 40 * kMinute},
        {"after the hour summer time skips", {now + 80}, changesBy(60), 20 * kMinute},
        {"inside the hour summer time skips: as it is skipped", {now + 40}, changesBy(60), 10 * kMinute},
        {"after summer time ends", {now + 40}, changesBy(-60), kLongestWaitMs},
        {"a delay ends first", {now + 40, 5 * kMinute + 1000}, changesBy(0), 5 * kMinute},
        {"nothing due", {}, changesBy(0), kLongestWaitMs},
        {"overdue", {now - 3}, changesBy(0), 0},
    };
    for (const auto& row : cases) {
        const int64_t wait = TimerWaitMs(row.Next, {now, 0, 1000, row.Offset});
        EXPECT_EQ(wait, std::min<int64_t>(row.WaitMs + kWakeMarginMs, kLongestWaitMs)) << row.Case;
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
