// A month of one run, minute by minute, driven through the due tracker as the
// program drives it: checks while someone is there, sleep and unattended
// wakes, locked sessions, summer time, a clock set wrong by hand and put
// right, page edits, and every answer a reminder can get. The expectations
// come from each schedule's own occurrences, enumerated day by day.
#include "due_tracker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "date_time_text.h"
#include "schedule_test_support.h"

namespace corvane {
namespace {

using testing::MakeRecord;

LocalTime ClockAt(MinuteNumber minute) {
    const CalendarDate date = DateFromDayNumber(static_cast<int32_t>(minute / kMinutesPerDay) + 1);
    const auto inDay = static_cast<int32_t>(minute % kMinutesPerDay);
    return {date.Year, date.Month, date.Day, inDay / 60, inDay % 60,
            static_cast<int32_t>((minute / kMinutesPerDay + 1) % 7)};
}

// What a schedule asks for: an occurrence at its time of day on every Step-th
// day counted from its anchor day, none before Lower; a delayed reminder.
struct Expected {
    MinuteNumber TimeOfDay = 0;
    MinuteNumber AnchorDay = 0;
    MinuteNumber Step = 0;  // 0: "Do Nothing"
    MinuteNumber Lower = 0;
    std::optional<MinuteNumber> Delayed;
    std::string Time;
};

Expected ExpectedOf(const ScheduleRecord& record, MinuteNumber lower) {
    Expected expected;
    const MinuteNumber moment = MinuteNumberOf(record.SyncDate, record.SyncTime);
    expected.TimeOfDay = moment % kMinutesPerDay;
    expected.AnchorDay = moment / kMinutesPerDay;
    const MinuteNumber steps[] = {1, 7, std::max<MinuteNumber>(record.Param, 1), 0};
    expected.Step = steps[record.Kind - skDaily];
    expected.Lower = std::max(lower, moment);
    expected.Time = record.SyncTime;
    return expected;
}

bool HasOccurrenceIn(const Expected& expected, MinuteNumber after, MinuteNumber through) {
    after = std::max(after, expected.Lower - 1);
    for (MinuteNumber day = after / kMinutesPerDay; expected.Step != 0 && day <= through / kMinutesPerDay; ++day) {
        const MinuteNumber moment = day * kMinutesPerDay + expected.TimeOfDay;
        const bool onItsDay = (day - expected.AnchorDay) % expected.Step == 0;
        if (onItsDay && moment > after && moment <= through) return true;
    }
    return false;
}

class RunSimulation {
public:
    explicit RunSimulation(unsigned seed) : random_(seed), tracker_(ClockAt(kStart)), now_(kStart) {
        schedules_ = std::make_unique<ScheduleList>();
        const ScheduleRecord records[] = {
            MakeRecord(1, skDaily, 0, "0800", "20260603"),  // left behind at the start
            MakeRecord(2, skDaily, 0, "1700", "20260603"),
            MakeRecord(3, skWeekly, 0, "1700", "20260608"),
            MakeRecord(4, skEveryNDays, 3, "2030", "20260604"),
            MakeRecord(5, skEveryNDays, 0, "0600", "20260604"),
            MakeRecord(6, skNothing, 0, "0900", "20260603"),
        };
        for (const ScheduleRecord& record : records) {
            ScheduleListAdd(schedules_, std::make_unique<ScheduleRecord>(record));
            expected_.push_back(ExpectedOf(record, kStart));
        }
        highWater_ = kStart - 1;
    }

    // Runs to the end or the first wrong reminder; returns what went wrong.
    std::string Run() {
        for (MinuteNumber minute = kStart; minute < kStart + 31 * kMinutesPerDay && failure_.empty(); ++minute) {
            if (minute == kStart + 10 * kMinutesPerDay + 600) offset_ += 60;  // summer time begins
            if (minute == kStart + 20 * kMinutesPerDay + 600) offset_ -= 60;  // and ends
            now_ = minute + offset_;
            if (minute < awayUntil_) continue;
            if (Chance(4000)) SetClockByHand();
            if (!Chance(30)) Check();  // now and then a tick comes late
            if (Chance(1500)) EditSchedule();
            if (Chance(1500)) awayUntil_ = minute + Between(10, kMinutesPerDay);  // asleep, or locked
        }
        for (std::size_t i = 0; i < expected_.size() && failure_.empty(); ++i) {
            if (expected_[i].Time != ScheduleListAt(schedules_, static_cast<int32_t>(i))->SyncTime) failure_ = "time of day";
        }
        if (failure_.empty() && reminders_ < 60) failure_ = "only " + std::to_string(reminders_) + " reminders";
        return failure_;
    }

private:
    const MinuteNumber kStart = MinuteNumberOf(CalendarDate{2026, 6, 3}, 14, 0);

    bool Chance(int oneIn) { return std::uniform_int_distribution<int>(1, oneIn)(random_) == 1; }
    MinuteNumber Between(MinuteNumber low, MinuteNumber high) {
        return std::uniform_int_distribution<MinuteNumber>(low, high)(random_);
    }
    MinuteNumber Clock() const { return now_; }

    void Check() {
        const MinuteNumber before = highWater_;
        highWater_ = std::max(highWater_, Clock());
        const std::vector<uint32_t> due = tracker_.Check(schedules_, ClockAt(Clock()));
        for (std::size_t i = 0; i < expected_.size(); ++i) {
            Expected& expected = expected_[i];
            const bool delayedDue = expected.Delayed && *expected.Delayed <= highWater_;
            const bool wanted = delayedDue || HasOccurrenceIn(expected, before, highWater_);
            const bool reminded = std::count(due.begin(), due.end(), i + 1) == 1;
            if (wanted != reminded) failure_ = Describe(i, wanted);
        }
        if (!due.empty()) Answer(due);
    }

    std::string Describe(std::size_t index, bool wanted) const {
        const ScheduleRecord& record = *ScheduleListAt(schedules_, static_cast<int32_t>(index));
        char text[120];
        std::snprintf(text, sizeof text, "user %zu %s at clock minute %lld; record kind %d, %.8s %.4s",
                      index + 1, wanted ? "not reminded" : "reminded", static_cast<long long>(Clock()), record.Kind,
                      record.SyncDate, record.SyncTime);
        return text;
    }

    void Answer(const std::vector<uint32_t>& due) {
        ++reminders_;
        const int answer = static_cast<int>(Between(0, 99));
        const int32_t delay = answer < 20 ? static_cast<int32_t>(Between(1, 30)) : answer < 25 ? 5 : 0;
        for (uint32_t user : due) {
            Expected& expected = expected_[user - 1];
            expected.Delayed.reset();
            if (delay > 0) {
                // "Remind me after", or HotSync Manager could not be started.
                tracker_.RemindAgain(schedules_, user, ClockAt(Clock()), delay);
                expected.Delayed = Clock() + delay;
            } else {
                tracker_.Settle(schedules_, user, ClockAt(Clock()));  // started, "don't remind", or the close box
            }
        }
    }

    // The schedule page: a kind, a time, and today as the next date (a weekly
    // schedule on today's weekday), whatever the time now.
    void EditSchedule() {
        const auto index = static_cast<int32_t>(Between(0, 5));
        ScheduleRecord& record = *ScheduleListAt(schedules_, index);
        const LocalTime today = ClockAt(Clock());
        const MinuteNumber before = MinuteNumberOf(record.SyncDate, record.SyncTime);
        record.Kind = static_cast<int16_t>(Between(skDaily, skNothing));
        record.Param = static_cast<int16_t>(record.Kind == skWeekly ? (today.Weekday + 6) % 7 : Between(0, 5));
        WriteTimeText(static_cast<int32_t>(Between(0, 23)), static_cast<int32_t>(Between(0, 59)), record.SyncTime);
        WriteDateText({today.Year, today.Month, today.Day}, record.SyncDate);
        const std::optional<MinuteNumber> delayed = expected_[index].Delayed;
        expected_[index] = ExpectedOf(record, Clock() + 1);
        // An edit that leaves the moment where it was keeps a running delay.
        if (MinuteNumberOf(record.SyncDate, record.SyncTime) == before) expected_[index].Delayed = delayed;
    }

    // A year or a few days wrong, put right later; now and then a small change.
    void SetClockByHand() {
        const MinuteNumber change = wrongBy_ != 0 ? -wrongBy_ : Chance(2) ? 365 * kMinutesPerDay : Between(-3000, 3000);
        wrongBy_ = wrongBy_ != 0 ? 0 : change;
        offset_ += change;
        now_ += change;
        tracker_.ClockSetByHand(schedules_, ClockAt(Clock()));
        highWater_ = Clock() - 1;
        for (Expected& expected : expected_) {
            expected.Lower = Clock();
            expected.Delayed.reset();
        }
    }

    std::mt19937 random_;
    ScheduleListHolder schedules_;
    DueTracker tracker_;
    std::vector<Expected> expected_;
    MinuteNumber now_;
    MinuteNumber offset_ = 0;
    MinuteNumber wrongBy_ = 0;
    MinuteNumber awayUntil_ = 0;
    MinuteNumber highWater_ = 0;
    int reminders_ = 0;
    std::string failure_;
};

TEST(ReminderSimulation, EveryOccurrenceRemindedOnceAtItsTimeForAMonth) {
    for (unsigned seed : {1u, 2u, 3u, 4u, 5u}) EXPECT_EQ(RunSimulation(seed).Run(), "") << "seed " << seed;
}

}  // namespace
}  // namespace corvane
