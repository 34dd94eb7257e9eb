// Which schedules fall due at a check: every one whose moment came since the
// previous check, so that a late tick, a skipped minute, sleep or a clock
// moved forward loses no reminder, and a clock moved back repeats none.
#pragma once

#include <algorithm>
#include <cstdint>

#include "date_time_text.h"
#include "local_time.h"
#include "schedule_record.h"

namespace corvane {

MinuteNumber MinuteNumberOf(const LocalTime& time);
MinuteNumber ScheduleMoment(const ScheduleRecord& record);

// The minutes one check covers: after `After`, up to and including `Through`.
struct DueSpan {
    MinuteNumber After;
    MinuteNumber Through;
};

// A clock set back by more than this is taken as corrected rather than as a
// repeated hour: checking starts afresh from the new time.
inline constexpr MinuteNumber kClockCorrection = kMinutesPerDay;

class DueClock {
public:
    // `start`: a clock reading taken before the start-up catch-up, which
    // moved every schedule before its own minute on; the first check covers
    // everything from `start`'s minute.
    explicit DueClock(const LocalTime& start) : checkedThrough_(MinuteNumberOf(start) - 1) {}

    // The minutes up to `now` not checked yet, which then count as checked.
    // Empty when the clock went back.
    DueSpan Advance(const LocalTime& now);
    // The clock was set by hand: checking starts afresh at `now`'s minute
    // instead of taking the jump for minutes gone by or to come again.
    void Restart(const LocalTime& now) { checkedThrough_ = MinuteNumberOf(now) - 1; }
    // Nothing can have fallen due through `minute`: it counts as checked.
    void PassTo(MinuteNumber minute) { checkedThrough_ = std::max(checkedThrough_, minute); }
    MinuteNumber CheckedThrough() const { return checkedThrough_; }

private:
    MinuteNumber checkedThrough_;
};

// True for a schedule (any kind but skNothing) whose moment lies in `span`.
bool FallsDue(const ScheduleRecord& record, const DueSpan& span);

}  // namespace corvane
