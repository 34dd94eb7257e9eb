// The in-memory list of schedules: one owned record per user, in file order.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "schedule_record.h"

namespace corvane {

struct ScheduleList {
    // Each record is a block of its own, so a record handed out stays where it
    // is while later records are added.
    std::vector<std::unique_ptr<ScheduleRecord>> Records;
};

// The program-wide slot that holds the list; null while it does not exist.
using ScheduleListHolder = std::unique_ptr<ScheduleList>;

// Number of records; 0 when the holder is null.
int32_t ScheduleListCount(const ScheduleListHolder& holder);

// The record at `index`, or null when the index is out of range.
ScheduleRecord* ScheduleListAt(const ScheduleListHolder& holder, int32_t index);

// The first record in list order that belongs to `userId`, or null.
ScheduleRecord* ScheduleListFind(const ScheduleListHolder& holder, uint32_t userId);

// Appends `record`, the list taking ownership. Returns 0 when no record is
// given or there is no list, else 1.
int ScheduleListAdd(const ScheduleListHolder& holder, std::unique_ptr<ScheduleRecord> record);

// Frees every record and the list; the holder becomes null.
void ScheduleListClear(ScheduleListHolder& holder);

}  // namespace corvane
