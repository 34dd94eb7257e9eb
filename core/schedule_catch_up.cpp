#include "schedule_catch_up.h"

#include <cstring>

#include "date_time_text.h"

namespace corvane {

ClockTexts MakeClockTexts(const LocalTime& now) {
    ClockTexts texts{};
    WriteDateText({now.Year, now.Month, now.Day}, texts.Date);
    WriteTimeText(now.Hour, now.Minute, texts.Time);
    texts.Weekday = now.Weekday;
    return texts;
}

bool IsPastDue(const ScheduleRecord& record, const ClockTexts& now) {
    // Both sides are fields of the same width; strncmp reads neither past it.
    static_assert(sizeof record.SyncDate == sizeof now.Date && sizeof record.SyncTime == sizeof now.Time);
    const int byDate = std::strncmp(record.SyncDate, now.Date, sizeof now.Date);
    if (byDate != 0) return byDate < 0;
    return std::strncmp(record.SyncTime, now.Time, sizeof now.Time) < 0;
}

int32_t CatchUpDays(const ScheduleRecord& record, int32_t clockWeekday) {
    if (record.Kind == skDaily || record.Kind == skEveryNDays) return 1;
    const int32_t days = ((ClockWeekdayOfIndex(record.Param) - clockWeekday) % 7 + 7) % 7;
    return days == 0 ? 7 : days;
}

void CatchUp(ScheduleRecord& record, const ClockTexts& now) {
    DateTimeText text{};
    std::memcpy(text.Date, now.Date, sizeof text.Date);
    ShiftDateTime(ShiftMode::Days, CatchUpDays(record, now.Weekday), &text);
    std::memcpy(record.SyncDate, text.Date, sizeof record.SyncDate);
}

}  // namespace corvane
