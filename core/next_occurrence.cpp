#include "next_occurrence.h"

#include "due_check.h"

namespace corvane {
namespace {

// Moment 0 lies on 1 January 1900, a Monday (the clock's weekday 1).
int32_t ClockWeekdayOfMoment(MinuteNumber moment) { return static_cast<int32_t>((moment / kMinutesPerDay + 1) % 7); }

bool IsWeekly(const ScheduleRecord& record) { return record.Kind != skDaily && record.Kind != skEveryNDays; }

MinuteNumber OnWeekday(const ScheduleRecord& record, MinuteNumber moment) {
    if (!IsWeekly(record)) return moment;
    const int32_t wanted = ClockWeekdayOfIndex(record.Param);
    return moment + ((wanted - ClockWeekdayOfMoment(moment)) % 7 + 7) % 7 * kMinutesPerDay;
}

MinuteNumber Period(const ScheduleRecord& record) {
    return static_cast<MinuteNumber>(PeriodDays(record)) * kMinutesPerDay;
}

}  // namespace

int32_t PeriodDays(const ScheduleRecord& record) {
    if (record.Kind == skDaily) return 1;
    if (record.Kind == skEveryNDays) return record.Param > 0 ? record.Param : 1;
    return 7;
}

MinuteNumber NextOccurrence(const ScheduleRecord& record, MinuteNumber after) {
    const MinuteNumber own = ScheduleMoment(record);
    if (own > after) return own;
    const MinuteNumber moment = OnWeekday(record, own);
    const MinuteNumber period = Period(record);
    if (moment > after) return moment;
    return moment + ((after - moment) / period + 1) * period;
}

MinuteNumber NextOccurrenceComingBack(const ScheduleRecord& record, MinuteNumber after) {
    const MinuteNumber own = ScheduleMoment(record);
    if (own <= after || OnWeekday(record, own) != own) return NextOccurrence(record, after);
    const MinuteNumber period = Period(record);
    return own - (own - after - 1) / period * period;
}

void MoveToNextOccurrence(ScheduleRecord& record, MinuteNumber after) {
    WriteOccurrenceDate(record, NextOccurrence(record, after));
}

void WriteOccurrenceDate(ScheduleRecord& record, MinuteNumber moment) {
    WriteDateText(DateFromDayNumber(static_cast<int32_t>(moment / kMinutesPerDay) + 1), record.SyncDate);
}

}  // namespace corvane
