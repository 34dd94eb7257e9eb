#include "schedule_catch_up.h"

#include <gtest/gtest.h>

#include <cstring>

#include "date_time_text.h"
#include "schedule_test_support.h"

namespace corvane {
namespace {

using testing::DateOf;
using testing::JuneWeekTime;
using testing::MakeRecord;

std::string CaughtUp(ScheduleRecord record, const LocalTime& now) {
    const ClockTexts clock = MakeClockTexts(now);
    EXPECT_TRUE(IsPastDue(record, clock));
    CatchUp(record, clock);
    return DateOf(record);
}

TEST(CatchUp, WeeklyGoesToTheNextDayOfItsWeekday) {
    const ScheduleRecord friday = MakeRecord(1, skWeekly, 4, "0800", "20260101");
    EXPECT_EQ(CaughtUp(friday, JuneWeekTime(3, 9, 0)), "20260605");  // Wednesday: two days
    EXPECT_EQ(CaughtUp(friday, JuneWeekTime(5, 9, 0)), "20260612");  // Friday: a whole week
    EXPECT_EQ(CaughtUp(friday, JuneWeekTime(6, 9, 0)), "20260612");  // Saturday: six days

    const ScheduleRecord sunday = MakeRecord(1, skWeekly, 6, "0800", "20260101");
    EXPECT_EQ(CaughtUp(sunday, JuneWeekTime(7, 9, 0)), "20260614");
    EXPECT_EQ(CaughtUp(sunday, JuneWeekTime(8, 9, 0)), "20260614");
}

// Every weekday index loaded on every weekday lands one to seven days ahead,
// on a day of that weekday, found here by walking forward day by day.
TEST(CatchUp, WeeklyOnEveryWeekdayFromEveryWeekday) {
    for (int16_t index = 0; index < 7; ++index) {
        for (int32_t day = 1; day <= 7; ++day) {
            const LocalTime now = JuneWeekTime(day, 12, 0);
            int32_t want = 1;
            while ((now.Weekday + want) % 7 != (index + 1) % 7) ++want;
            char expected[9];
            WriteDateText({2026, 6, day + want}, expected);
            EXPECT_EQ(CaughtUp(MakeRecord(1, skWeekly, index, "0800", "20250101"), now), expected)
                << "index " << index << " on June " << day;
        }
    }
}

TEST(CatchUp, DailyAndEveryNDaysGoToTomorrow) {
    const LocalTime wednesday = JuneWeekTime(3, 7, 0);
    EXPECT_EQ(CaughtUp(MakeRecord(1, skDaily, 0, "0800", "20260602"), wednesday), "20260604");
    EXPECT_EQ(CaughtUp(MakeRecord(1, skEveryNDays, 5, "0800", "20260101"), wednesday), "20260604");
    EXPECT_EQ(CaughtUp(MakeRecord(1, skEveryNDays, -3, "0800", "20260101"), wednesday), "20260604");
}

TEST(CatchUp, OtherKindsReadTheirParameterAsAWeekday) {
    const LocalTime wednesday = JuneWeekTime(3, 7, 0);
    EXPECT_EQ(CaughtUp(MakeRecord(1, skNothing, 0, "0800", "20260101"), wednesday), "20260608");  // Monday
    EXPECT_EQ(CaughtUp(MakeRecord(1, 9, 2, "0800", "20260101"), wednesday), "20260610");          // Wednesday
    EXPECT_EQ(CaughtUp(MakeRecord(1, skWeekly, -1, "0800", "20260101"), wednesday), "20260607");  // Sunday
    EXPECT_EQ(CaughtUp(MakeRecord(1, skWeekly, 100, "0800", "20260101"), wednesday), "20260610");  // clock day 101 mod 7 = 3
}

TEST(CatchUp, CrossesMonthAndYearEnds) {
    EXPECT_EQ(CaughtUp(MakeRecord(1, skDaily, 0, "0800", "20261230"), {2026, 12, 31, 9, 0, 4}), "20270101");
    EXPECT_EQ(CaughtUp(MakeRecord(1, skDaily, 0, "0800", "20280227"), {2028, 2, 28, 9, 0, 1}), "20280229");
    EXPECT_EQ(CaughtUp(MakeRecord(1, skWeekly, 0, "0800", "20260101"), {2026, 12, 29, 9, 0, 2}), "20270104");
}

TEST(IsPastDue, ComparesDateThenTimeToTheMinute) {
    const ClockTexts now = MakeClockTexts(JuneWeekTime(3, 8, 0));
    EXPECT_FALSE(IsPastDue(MakeRecord(1, skDaily, 0, "0800", "20260603"), now));
    EXPECT_TRUE(IsPastDue(MakeRecord(1, skDaily, 0, "0759", "20260603"), now));
    EXPECT_FALSE(IsPastDue(MakeRecord(1, skDaily, 0, "0000", "20260604"), now));
    EXPECT_TRUE(IsPastDue(MakeRecord(1, skDaily, 0, "2359", "20260602"), now));
    EXPECT_TRUE(IsPastDue(MakeRecord(1, skDaily, 0, "0800", ""), now));
    EXPECT_TRUE(IsPastDue(MakeRecord(1, skDaily, 0, "0800", "00000000"), now));
    EXPECT_FALSE(IsPastDue(MakeRecord(1, skDaily, 0, "0800", "abcdefgh"), now));
    // A full field with no terminator is read only within its nine bytes.
    ScheduleRecord unterminated = MakeRecord(1, skDaily, 0, "0800", "");
    std::memcpy(unterminated.SyncDate, "202606039", 9);
    std::memcpy(unterminated.SyncTime, "07599", 5);
    EXPECT_FALSE(IsPastDue(unterminated, now));
    std::memcpy(unterminated.SyncDate, "202606020", 9);
    EXPECT_TRUE(IsPastDue(unterminated, now));
}

TEST(CatchUp, TouchesOnlyTheDateOfARecordWithUnterminatedTexts) {
    ScheduleRecord record;
    std::memset(&record, '0', sizeof record);  // every text unterminated, the date all zeros
    record.Kind = skDaily;
    const ScheduleRecord before = record;
    const ClockTexts now = MakeClockTexts(JuneWeekTime(3, 8, 0));
    ASSERT_TRUE(IsPastDue(record, now));
    CatchUp(record, now);
    EXPECT_EQ(std::memcmp(record.SyncDate, "20260604", 9), 0);
    EXPECT_EQ(std::memcmp(record.SyncTime, before.SyncTime, sizeof record.SyncTime), 0);
    EXPECT_EQ(std::memcmp(record.Reserved, before.Reserved, sizeof record.Reserved), 0);
    EXPECT_EQ(record.UserID, before.UserID);
    EXPECT_EQ(record.Param, before.Param);
}

}  // namespace
}  // namespace corvane
