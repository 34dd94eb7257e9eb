#include "due_check.h"

#include <algorithm>

#include "schedule_catch_up.h"

namespace corvane {

MinuteNumber MinuteNumberOf(const LocalTime& time) {
    return MinuteNumberOf(CalendarDate{time.Year, time.Month, time.Day}, time.Hour, time.Minute);
}

MinuteNumber ScheduleMoment(const ScheduleRecord& record) { return MinuteNumberOf(record.SyncDate, record.SyncTime); }

DueSpan DueClock::Advance(const LocalTime& now) {
    const MinuteNumber minute = MinuteNumberOf(now);
    if (minute < checkedThrough_ - kClockCorrection) checkedThrough_ = minute;
    const DueSpan span{checkedThrough_, std::max(checkedThrough_, minute)};
    checkedThrough_ = span.Through;
    return span;
}

bool FallsDue(const ScheduleRecord& record, const DueSpan& span) {
    if (record.Kind == skNothing) return false;
    const MinuteNumber moment = ScheduleMoment(record);
    return moment > span.After && moment <= span.Through;
}

void KeepAhead(ScheduleRecord& record, MinuteNumber passed, const LocalTime& now, int32_t delayMinutes) {
    if (ScheduleMoment(record) > passed) return;
    if (delayMinutes > 0) {
        WriteMinuteNumber(passed + delayMinutes, record.SyncDate, record.SyncTime);
    } else {
        CatchUp(record, MakeClockTexts(now));
    }
}

}  // namespace corvane
