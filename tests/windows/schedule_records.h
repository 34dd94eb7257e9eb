// Adding schedule records to the shared schedule list in window tests.
#pragma once

#include <cstring>
#include <memory>

#include "shared_lists.h"

namespace corvane::testing {

inline ScheduleRecord* AddSchedule(uint32_t userId, int16_t kind, int16_t param, const char* time, const char* date) {
    auto record = std::make_unique<ScheduleRecord>();
    std::memset(record.get(), 0, sizeof(ScheduleRecord));
    record->UserID = userId;
    record->Kind = kind;
    record->Param = param;
    std::memcpy(record->SyncTime, time, sizeof record->SyncTime);
    std::memcpy(record->SyncDate, date, sizeof record->SyncDate);
    ScheduleRecord* added = record.get();
    ScheduleListAdd(Shared.Schedules, std::move(record));
    return added;
}

}  // namespace corvane::testing
