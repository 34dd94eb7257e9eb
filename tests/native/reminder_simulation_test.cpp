// A month of one run, minute by minute, driven through the due tracker as the
// program drives it: one timer armed for the next moment anything can fall
// due, checks when it wakes and when someone comes back, sleep and locked
// sessions (the run starts locked), summer time, a clock set wrong by hand and
// put right (reminders left open across it), page edits (weekly ones left off
// their weekday), users with a second record, and every answer a reminder can
// get. The expectations come from each schedule's own occurrences, enumerated
// day by day; delays count running minutes; no reminder comes more than a
// minute late while someone is there.
#include "due_tracker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "date_time_text.h"
#include "next_due.h"
#include "schedule_test_support.h"

namespace corvane {
namespace {

using testing::MakeRecord;

int32_t WeekdayOfDay(MinuteNumber day) { return static_cast<int32_t>((day + 1) % 7); }

LocalTime ClockAt(MinuteNumber minute) {
    const CalendarDate date = DateFromDayNumber(static_cast<int32_t>(minute / kMinutesPerDay) + 1);
    const auto inDay = static_cast<int32_t>(minute % kMinutesPerDay);
    return {date.Year, date.Month, date.Day, inDay / 60, inDay % 60, WeekdayOfDay(minute / kMinutesPerDay)};
}

// What a schedule asks for: its own moment First, and an occurrence at its
// time of day on every Step-th day counted from its anchor day (a weekly one's
// weekday), none before Floor nor Lower.
struct Expected {
    MinuteNumber TimeOfDay = 0;
    MinuteNumber AnchorDay = 0;
    MinuteNumber Step = 0;  // 0: "Do Nothing"
    MinuteNumber First = 0;
    MinuteNumber Floor = 0;
    MinuteNumber Lower = 0;
    bool Open = false;     // reminded, the answer not given yet
    bool Crossed = false;  // open while the clock was set by hand
    std::optional<MinuteNumber> DelayEnds;  // running minute
    std::optional<MinuteNumber> MovedAt;    // the clock when the program last moved it
    std::string Time;

    bool IsOccurrence(MinuteNumber moment) const {
        if (Step == 0 || moment < Lower) return false;
        return moment == First || (moment >= Floor && (moment / kMinutesPerDay - AnchorDay) % Step == 0);
    }
    std::optional<MinuteNumber> FirstIn(MinuteNumber after, MinuteNumber through) const {
        for (MinuteNumber day = std::max(after, Lower - 1) / kMinutesPerDay; Step != 0 && day <= through / kMinutesPerDay; ++day) {
            const MinuteNumber moment = day * kMinutesPerDay + TimeOfDay;
            if (moment > after && moment <= through && IsOccurrence(moment)) return moment;
        }
        return std::nullopt;
    }
};

Expected ExpectedOf(const ScheduleRecord& record, MinuteNumber lower) {
    Expected expected;
    const MinuteNumber moment = MinuteNumberOf(record.SyncDate, record.SyncTime);
    const MinuteNumber day = moment / kMinutesPerDay;
    expected.TimeOfDay = moment % kMinutesPerDay;
    expected.AnchorDay = day;
    if (record.Kind == skWeekly) expected.AnchorDay += ((ClockWeekdayOfIndex(record.Param) - WeekdayOfDay(day)) % 7 + 7) % 7;
    const MinuteNumber steps[] = {1, 7, std::max<MinuteNumber>(record.Param, 1), 0};
    expected.Step = steps[record.Kind - skDaily];
    expected.First = expected.Floor = moment;
    expected.Lower = std::max(lower, moment);
    expected.Time = record.SyncTime;
    return expected;
}

constexpr int kUsers = 8;

class RunSimulation {
public:
    explicit RunSimulation(unsigned seed) : random_(seed), tracker_(ClockAt(kStart)) {
        schedules_ = std::make_unique<ScheduleList>();
        const ScheduleRecord records[] = {
            MakeRecord(1, skDaily, 0, "0800", "20260603"),  // left behind at the start
            MakeRecord(2, skDaily, 0, "1700", "20260603"),
            MakeRecord(3, skWeekly, 0, "1700", "20260608"),
            MakeRecord(4, skEveryNDays, 3, "2030", "20260604"),
            MakeRecord(5, skEveryNDays, 0, "0600", "20260604"),
            MakeRecord(6, skNothing, 0, "0900", "20260603"),
            MakeRecord(7, skWeekly, 3, "1700", "20260605"),  // Thursdays, from Friday on
            MakeRecord(8, skDaily, 0, "2357", "20260603"),   // just before summer time changes
            MakeRecord(1, skDaily, 0, "1200", "20260604"),   // second records count nowhere
            MakeRecord(7, skDaily, 0, "1300", "20260604"),
        };
        for (const ScheduleRecord& record : records) {
            ScheduleListAdd(schedules_, std::make_unique<ScheduleRecord>(record));
            if (expected_.size() < kUsers) expected_.push_back(ExpectedOf(record, kStart));
        }
        for (int32_t i = kUsers; i < ScheduleListCount(schedules_); ++i) seconds_.push_back(*ScheduleListAt(schedules_, i));
        awayUntil_ = lastReturn_ = kStart + Between(30, 600);  // started while the session was locked
        Arm();
    }

    // Runs to the end or the first wrong reminder; returns what went wrong.
    std::string Run() {
        for (minute_ = kStart; minute_ < kStart + 31 * kMinutesPerDay && failure_.empty(); ++minute_) {
            if (minute_ == kSummerBegins) offset_ += 60;
            if (minute_ == kSummerEnds) offset_ -= 60;
            if (minute_ < awayUntil_) {
                if (minute_ >= wakeAt_) Arm();  // the clock is looked at, nothing reminded
                continue;
            }
            if (minute_ == awayUntil_) CheckAndArm();  // back: checked at once
            AnswerWhatIsDue();
            if (Chance(4000)) SetClockByHand();
            for (int wakes = 0; minute_ >= wakeAt_ && failure_.empty(); ++wakes) {
                if (wakes == 3) failure_ = "the timer wakes again and again";
                ++wakes_;
                CheckAndArm();
            }
            if (minute_ == kSummerBegins - 5 || minute_ == kSummerEnds - 5) DueJustBeforeTheChange();
            if (Chance(1500)) EditSchedule();
            if (Chance(1500) && open_.empty()) awayUntil_ = lastReturn_ = minute_ + Between(10, kMinutesPerDay);
        }
        for (std::size_t i = 0; i < expected_.size() && failure_.empty(); ++i) {
            if (expected_[i].Time != ScheduleListAt(schedules_, static_cast<int32_t>(i))->SyncTime) failure_ = "time of day";
        }
        for (std::size_t i = 0; i < seconds_.size() && failure_.empty(); ++i) {
            const ScheduleRecord* now = ScheduleListAt(schedules_, kUsers + static_cast<int32_t>(i));
            if (std::memcmp(&seconds_[i], now, sizeof(ScheduleRecord)) != 0) failure_ = "a second record changed";
        }
        if (failure_.empty() && reminders_ < 60) failure_ = "only " + std::to_string(reminders_) + " reminders";
        if (failure_.empty() && wakes_ > 2000) failure_ = std::to_string(wakes_) + " timer wakes";
        return failure_;
    }

    int DelaysAcrossSummerTime() const { return delaysAcrossSummerTime_; }

private:
    const MinuteNumber kStart = MinuteNumberOf(CalendarDate{2026, 6, 3}, 14, 0);
    const MinuteNumber kSummerBegins = kStart + 10 * kMinutesPerDay + 600;  // at midnight
    const MinuteNumber kSummerEnds = kStart + 20 * kMinutesPerDay + 600;

    bool Chance(int oneIn) { return std::uniform_int_distribution<int>(1, oneIn)(random_) == 1; }
    MinuteNumber Between(MinuteNumber low, MinuteNumber high) {
        return std::uniform_int_distribution<MinuteNumber>(low, high)(random_);
    }
    MinuteNumber Clock() const { return minute_ + offset_; }
    MinuteNumber SummerTime(MinuteNumber minute) const { return minute >= kSummerBegins && minute < kSummerEnds ? 60 : 0; }
    ClockReading Reading() const { return {ClockAt(Clock()), static_cast<uint64_t>(minute_) * 60000}; }
    MinuteNumber Moment(int user) const {
        const ScheduleRecord& record = *ScheduleListAt(schedules_, user);
        return MinuteNumberOf(record.SyncDate, record.SyncTime);
    }

    // The timer, armed as the program arms it; now and then it wakes a minute late.
    void Arm() {
        const NextDue next = tracker_.Arm(schedules_);
        const auto summerTime = [this](int64_t ms) { return static_cast<int32_t>(SummerTime(minute_ + ms / 60000)); };
        const uint32_t wait = minute_ < awayUntil_ ? kLongestWaitMs : TimerWaitMs(next, {Clock(), 0, Reading().RunningMs, summerTime});
        wakeAt_ = minute_ + wait / 60000 + (Chance(30) ? 1 : 0);
    }

    // Runs `call` on the tracker and notes which schedules it moved, at which clock.
    template <typename Call>
    void Observed(MinuteNumber clock, Call call) {
        MinuteNumber before[kUsers];
        for (int user = 0; user < kUsers; ++user) before[user] = Moment(user);
        call();
        for (int user = 0; user < kUsers; ++user) {
            if (Moment(user) != before[user]) expected_[user].MovedAt = clock;
        }
    }

    void CheckAndArm() {
        const MinuteNumber before = highWater_;
        highWater_ = std::max(highWater_, Clock());
        std::vector<uint32_t> due;
        Observed(highWater_, [&] { due = tracker_.Check(schedules_, Reading()); });
        for (int user = 0; user < kUsers && failure_.empty(); ++user) {
            Expected& expected = expected_[user];
            const bool delayDue = !expected.Open && expected.DelayEnds && *expected.DelayEnds <= minute_;
            const std::optional<MinuteNumber> occurrence =
                expected.Open ? std::nullopt : expected.FirstIn(before, highWater_);
            const bool reminded = std::count(due.begin(), due.end(), static_cast<uint32_t>(user + 1)) == 1;
            if ((delayDue || occurrence) != reminded) failure_ = Describe(user, reminded ? "reminded" : "not reminded");
            if (!reminded || !failure_.empty()) continue;
            const MinuteNumber late = delayDue ? minute_ - std::max(*expected.DelayEnds, lastReturn_) : Lateness(*occurrence);
            if (late > 1) failure_ = Describe(user, ("reminded " + std::to_string(late) + " minutes late").c_str());
            expected.Open = true;
            expected.Crossed = false;
            expected.DelayEnds.reset();
        }
        reminders_ += due.empty() ? 0 : 1;
        for (uint32_t user : due) {
            if (Chance(5) && !(user == 8 && NearChange())) {
                open_.push_back({user, minute_ + Between(1, 180)});  // left open a while
            } else {
                Answer(user);
            }
        }
        Arm();
    }

    // Real minutes since the wall clock first showed `moment`, counted from
    // the last return or hand on the clock at the earliest.
    MinuteNumber Lateness(MinuteNumber moment) const {
        MinuteNumber at = minute_;
        const MinuteNumber wallOffset = offset_ - SummerTime(minute_);
        while (at > std::max(lastReturn_, lastHandChange_) && at - 1 + wallOffset + SummerTime(at - 1) >= moment) --at;
        return minute_ - at;
    }

    std::string Describe(int user, const char* what) const {
        const ScheduleRecord& record = *ScheduleListAt(schedules_, user);
        char text[160];
        std::snprintf(text, sizeof text, "user %d %s at clock minute %lld; record kind %d, %.8s %.4s", user + 1, what,
                      static_cast<long long>(Clock()), record.Kind, record.SyncDate, record.SyncTime);
        return text;
    }

    void AnswerWhatIsDue() {
        for (std::size_t i = 0; i < open_.size();) {
            if (open_[i].second > minute_) {
                ++i;
                continue;
            }
            const uint32_t user = open_[i].first;
            open_.erase(open_.begin() + static_cast<std::ptrdiff_t>(i));
            Answer(user);
            Arm();
        }
    }

    void Answer(uint32_t user) {
        Expected& expected = expected_[user - 1];
        expected.Open = false;
        const int answer = static_cast<int>(Between(0, 99));
        int32_t delay = answer < 20 ? static_cast<int32_t>(Between(1, 30)) : answer < 25 ? 5 : 0;
        const bool nearChange = NearChange();
        if (user == 8 && nearChange) delay = 5;
        if (delay > 0) {
            // "Remind me after", or HotSync Manager could not be started.
            tracker_.RemindAgain(schedules_, user, Reading(), delay);
            expected.DelayEnds = minute_ + delay;
            delaysAcrossSummerTime_ += user == 8 && nearChange ? 1 : 0;
            return;
        }
        // Started, "don't remind", or the close box.
        const MinuteNumber passed = std::max(highWater_, Clock());
        Observed(passed, [&] { tracker_.Settle(schedules_, user, ClockAt(Clock())); });
        SettleExpected(expected, expected.Crossed, passed);
    }

    static void SettleExpected(Expected& expected, bool crossed, MinuteNumber passed) {
        expected.Crossed = false;
        if (!crossed) {
            expected.Lower = std::max(expected.Lower, passed + 1);
            return;
        }
        // Against the corrected time: back by whole periods, a weekly one off its weekday not before its own date.
        expected.Lower = passed + 1;
        if (expected.AnchorDay * kMinutesPerDay + expected.TimeOfDay == expected.First) expected.Floor = INT64_MIN;
    }

    // A delay that runs across a change of summer time: user 8 falls due
    // three minutes before it and asks to be reminded after 5.
    bool NearChange() const {
        return std::abs(minute_ - kSummerBegins + 3) <= 3 || std::abs(minute_ - kSummerEnds + 3) <= 3;
    }
    void DueJustBeforeTheChange() {
        if (expected_[7].Open) return;
        ScheduleRecord& record = *ScheduleListAt(schedules_, 7);
        const ScheduleRecord before = record;
        WriteMinuteNumber(Clock() + 2, record.SyncDate, record.SyncTime);
        record.Kind = skDaily;
        // Set to what it already holds, it is still what the program left.
        if (std::memcmp(&before, &record, sizeof before) != 0) expected_[7] = ExpectedOf(record, Clock() + 1);
        CheckAndArm();
    }

    // The schedule page: a kind, a time, and today as the next date (a weekly
    // schedule on today's weekday, or now and then another), whatever the time now.
    void EditSchedule() {
        const auto index = static_cast<int32_t>(Between(0, kUsers - 1));
        if (expected_[index].Open) return;
        ScheduleRecord& record = *ScheduleListAt(schedules_, index);
        const ScheduleRecord old = record;
        const LocalTime today = ClockAt(Clock());
        const MinuteNumber before = Moment(index);
        record.Kind = static_cast<int16_t>(Between(skDaily, skNothing));
        const auto weekday = static_cast<int16_t>(Chance(3) ? Between(0, 6) : (today.Weekday + 6) % 7);
        record.Param = record.Kind == skWeekly ? weekday : static_cast<int16_t>(Between(0, 5));
        WriteTimeText(static_cast<int32_t>(Between(0, 23)), static_cast<int32_t>(Between(0, 59)), record.SyncTime);
        WriteDateText({today.Year, today.Month, today.Day}, record.SyncDate);
        const std::optional<MinuteNumber> delayEnds = expected_[index].DelayEnds;
        if (std::memcmp(&old, &record, sizeof old) == 0) return CheckAndArm();
        expected_[index] = ExpectedOf(record, Clock() + 1);
        // An edit that leaves the moment where it was keeps a running delay.
        if (Moment(index) == before) expected_[index].DelayEnds = delayEnds;
        CheckAndArm();  // the page asks for a check
    }

    // A year or a few days wrong, put right later; now and then a small change.
    void SetClockByHand() {
        const MinuteNumber change = wrongBy_ != 0 ? -wrongBy_ : Chance(2) ? 365 * kMinutesPerDay : Between(-3000, 3000);
        wrongBy_ = wrongBy_ != 0 ? 0 : change;
        offset_ += change;
        lastHandChange_ = minute_;
        const MinuteNumber corrected = Clock() - 1;
        bool returned[kUsers];
        for (int user = 0; user < kUsers; ++user) {
            const Expected& expected = expected_[user];
            returned[user] = corrected < highWater_ && expected.Step != 0 && expected.MovedAt && *expected.MovedAt > corrected;
        }
        Observed(corrected, [&] { tracker_.ClockSetByHand(schedules_, ClockAt(Clock())); });
        for (int user = 0; user < kUsers; ++user) {
            Expected& expected = expected_[user];
            if (returned[user]) {
                // What the wrong clock moved comes back to before those moves.
                expected.Lower = corrected + 1;
                expected.Floor = expected.First;
            } else if (corrected >= highWater_) {
                expected.Lower = std::max(expected.Lower, corrected + 1);  // minutes jumped over
            }
            if (expected.Open) expected.Crossed = !returned[user];
            if (expected.DelayEnds) {
                expected.DelayEnds.reset();  // it lapses
                SettleExpected(expected, !returned[user], corrected);
            }
        }
        highWater_ = corrected;
        CheckAndArm();  // the program checks at the change
    }

    std::mt19937 random_;
    ScheduleListHolder schedules_;
    DueTracker tracker_;
    std::vector<Expected> expected_;
    std::vector<ScheduleRecord> seconds_;
    std::vector<std::pair<uint32_t, MinuteNumber>> open_;  // reminders left open, and when they are answered
    MinuteNumber minute_ = kStart;                         // real time
    MinuteNumber offset_ = 0;                              // the wall clock's, summer time and hand together
    MinuteNumber wrongBy_ = 0;
    MinuteNumber awayUntil_ = 0;
    MinuteNumber lastReturn_ = 0;
    MinuteNumber lastHandChange_ = 0;
    MinuteNumber highWater_ = kStart - 1;
    MinuteNumber wakeAt_ = 0;
    int reminders_ = 0;
    int wakes_ = 0;
    int delaysAcrossSummerTime_ = 0;
    std::string failure_;
};

TEST(ReminderSimulation, EveryOccurrenceRemindedOnceAtItsTimeForAMonth) {
    int delaysAcrossSummerTime = 0;
    for (unsigned seed : {1u, 2u, 3u, 4u, 5u}) {
        RunSimulation run(seed);
        EXPECT_EQ(run.Run(), "") << "seed " << seed;
        delaysAcrossSummerTime += run.DelaysAcrossSummerTime();
    }
    EXPECT_GE(delaysAcrossSummerTime, 3);
}

}  // namespace
}  // namespace corvane
