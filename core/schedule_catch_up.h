// The start-up catch-up: schedules whose moment has passed move on to their
// next date, never to today.
#pragma once

#include <cstdint>

#include "local_time.h"
#include "schedule_record.h"

namespace corvane {

// Today's date and the current minute as schedule texts, and the clock's weekday.
struct ClockTexts {
    char Date[9];
    char Time[5];
    int32_t Weekday;  // 0 Sunday to 6 Saturday
};

ClockTexts MakeClockTexts(const LocalTime& now);

// True when the record's date is before today, or is today and its time is
// before the current minute. Reads the texts only within their fields.
bool IsPastDue(const ScheduleRecord& record, const ClockTexts& now);

// Days from today to the record's next date: 1 for daily and every-N-days
// schedules; for every other kind, 1 to 7 days to the next day that falls on
// `Param` read as a weekday index.
int32_t CatchUpDays(const ScheduleRecord& record, int32_t clockWeekday);

// Moves the record's date to today plus CatchUpDays; time, kind and parameter stay.
void CatchUp(ScheduleRecord& record, const ClockTexts& now);

}  // namespace corvane
