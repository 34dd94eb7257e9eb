#include "due_check.h"

#include <algorithm>

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

}  // namespace corvane
