// Building schedule records and clock readings for the schedule tests.
#pragma once

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

#include "local_time.h"
#include "schedule_record.h"

namespace corvane::testing {

// Fills a fixed-width text field with `text`, cut to leave room for its terminator.
template <std::size_t N>
void SetField(char (&field)[N], const char* text) {
    std::memset(field, 0, N);
    std::memcpy(field, text, std::min(std::strlen(text), N - 1));
}

inline ScheduleRecord MakeRecord(uint32_t userId, int16_t kind, int16_t param, const char* time, const char* date) {
    ScheduleRecord record{};
    record.UserID = userId;
    record.Kind = kind;
    record.Param = param;
    SetField(record.SyncTime, time);
    SetField(record.SyncDate, date);
    return record;
}

inline std::unique_ptr<ScheduleRecord> NewRecord(uint32_t userId, const char* date = "20040101") {
    return std::make_unique<ScheduleRecord>(MakeRecord(userId, skDaily, 0, "0800", date));
}

// 1 June 2026 is a Monday; the weekday follows from the day in that week.
inline LocalTime JuneWeekTime(int32_t day, int32_t hour, int32_t minute) {
    return {2026, 6, day, hour, minute, day % 7};
}

inline std::string DateOf(const ScheduleRecord& record) {
    return std::string(record.SyncDate, strnlen(record.SyncDate, sizeof record.SyncDate));
}

}  // namespace corvane::testing
