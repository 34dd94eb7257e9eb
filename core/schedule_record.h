// One user's HotSync schedule: the 24-byte record of the schedule file.
#pragma once

#include <cstddef>
#include <cstdint>

namespace corvane {

enum ScheduleKind : int16_t {
    skDaily = 1,
    skWeekly = 2,
    skEveryNDays = 3,
    skNothing = 4,
};

// The same bytes in memory and in the file; integers little-endian.
struct ScheduleRecord {
    uint32_t UserID;
    int16_t Kind;       // a ScheduleKind
    int16_t Param;      // skWeekly: a weekday index (0 Monday); skEveryNDays: N; else 0
    char SyncTime[5];   // HHMM and a terminating zero
    char SyncDate[9];   // YYYYMMDD and a terminating zero
    uint8_t Reserved[2];
};

inline constexpr std::size_t kScheduleRecordSize = 24;

static_assert(sizeof(ScheduleRecord) == kScheduleRecordSize, "ScheduleRecord is 24 bytes");
static_assert(offsetof(ScheduleRecord, UserID) == 0);
static_assert(offsetof(ScheduleRecord, Kind) == 4);
static_assert(offsetof(ScheduleRecord, Param) == 6);
static_assert(offsetof(ScheduleRecord, SyncTime) == 8);
static_assert(offsetof(ScheduleRecord, SyncDate) == 13);
static_assert(offsetof(ScheduleRecord, Reserved) == 22);
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "records are stored in the host's byte order");

// Weekday indices count from 0 Monday; the clock counts from 0 Sunday.
inline int32_t ClockWeekdayOfIndex(int32_t weekdayIndex) { return ((weekdayIndex + 1) % 7 + 7) % 7; }

}  // namespace corvane
