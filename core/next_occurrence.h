// What comes next for a schedule: its own moment, or that moment moved on
// (or, after a clock set wrong, back) by whole periods, so that its time of
// day and its rhythm stay its own whatever happened to it in between.
#pragma once

#include <cstdint>

#include "date_time_text.h"
#include "schedule_record.h"

namespace corvane {

// The days between occurrences: 1 daily; N every N days (1 when N is not
// positive, as the start-up catch-up counts it); 7 for weekly and any other
// kind, which the catch-up also reads as a weekday.
int32_t PeriodDays(const ScheduleRecord& record);

// The first occurrence after `after`: the record's own moment when it lies
// after `after`, else that moment (a weekly one first carried on to its
// weekday) plus whole periods.
MinuteNumber NextOccurrence(const ScheduleRecord& record, MinuteNumber after);

// The same, except that a moment further ahead than one period comes back by
// whole periods to the first occurrence after `after`, for an occurrence that
// a wrong clock reached. A weekly record off its weekday (a day the person
// chose) never comes back before its own moment.
MinuteNumber NextOccurrenceComingBack(const ScheduleRecord& record, MinuteNumber after);

// Writes NextOccurrence's date into the record; its time text stays as it is.
void MoveToNextOccurrence(ScheduleRecord& record, MinuteNumber after);

// Writes the date of `moment` into the record; its time text stays as it is.
void WriteOccurrenceDate(ScheduleRecord& record, MinuteNumber moment);

}  // namespace corvane
