#include "next_occurrence.h"

#include "due_check.h"

namespace corvane {
namespace {

// Moment 0 lies on 1 January 1900, a Monday (the clock's weekday 1).
int32_t ClockWeekdayOfMoment(MinuteNumber moment) { return static_cast<int32_t>((moment / kMinutesPerDay + 1) % 7); }

MinuteNumber OnWeekday(const ScheduleRecord& record, MinuteNumber moment) {
    const int32_t wanted = ClockWeekdayOfIndex(record.Param);
    return moment + ((wanted - ClockWeekdayOfMoment(moment)) % 7 + 7) % 7 * kMinutesPerDay;
}

}  // namespace

int32_t PeriodDays(const ScheduleRecord& record) {
    if (record.Kind == skDaily) return 1;
    if (record.Kind == skEveryNDays) return record.Param > 0 ? record.Param : 1;
    return 7;
}

MinuteNumber NextOccurrence(const ScheduleRecord& record, MinuteNumber after) {
    MinuteNumber moment = ScheduleMoment(record);
    if (record.Kind != skDaily && record.Kind != skEveryNDays) moment = OnWeekday(record, moment);
    const MinuteNumber period = static_cast<MinuteNumber>(PeriodDays(record)) * kMinutesPerDay;
    if (moment > after) return moment - (moment - after - 1) / period * period;
    return moment + ((after - moment) / period + 1) * period;
}

void MoveToNextOccurrence(ScheduleRecord& record, MinuteNumber after) {
    const MinuteNumber next = NextOccurrence(record, after);
    WriteDateText(DateFromDayNumber(static_cast<int32_t>(next / kMinutesPerDay) + 1), record.SyncDate);
}

}  // namespace corvane
