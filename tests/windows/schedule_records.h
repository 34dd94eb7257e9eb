// Adding schedule records to a run's schedule list in window tests.
#pragma once

#include <cstring>
#include <memory>

#include "schedule_list.h"

namespace corvane::testing {

inline ScheduleRecord* AddSchedule(const ScheduleListHolder& list, uint32_t userId, int16_t kind, int16_t param, const char* time, const char* date) {
    auto record = std::make_unique<ScheduleRecord>();
    std::memset(record.get(), 0, sizeof(ScheduleRecord));
    record->UserID = userId;
    record->Kind = kind;
    record->Param = param;
    std::memcpy(record->SyncTime, time, sizeof record->SyncTime);
    std::memcpy(record->SyncDate, date, sizeof record->SyncDate);
    ScheduleRecord* added = record.get();
    ScheduleListAdd(list, std::move(record));
    return added;
}

}  // namespace corvane::testing
