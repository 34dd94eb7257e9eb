// The in-memory list of schedules: one record per user, in file order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "file_load.h"
#include "schedule_record.h"

namespace corvane {

// A record never moves while its list lives, so a record handed out stays
// valid while later records are added. Records read from a file sit side by
// side in blocks of the list's own (one allocation per read, not per record);
// a record handed to ScheduleListAdd keeps the block it came in.
struct ScheduleList {
    std::vector<ScheduleRecord*> Records;                   // every record, in list order
    std::vector<std::unique_ptr<ScheduleRecord[]>> Blocks;  // records read from files
    std::vector<std::unique_ptr<ScheduleRecord>> Added;     // records added one by one
    FileLoad Load = FileLoad::NotFound;                     // how reading the schedule file went
    bool MovedOn = false;                                   // reading caught records up: the file is behind
    std::vector<uint32_t> EditedUsers;                      // users whose schedule the person changed this run
};

// The program-wide slot that holds the list; null while it does not exist.
using ScheduleListHolder = std::unique_ptr<ScheduleList>;

// Number of records; 0 when the holder is null.
int32_t ScheduleListCount(const ScheduleListHolder& holder);

// The record at `index`, or null when the index is out of range.
ScheduleRecord* ScheduleListAt(const ScheduleListHolder& holder, int32_t index);

// The first record in list order that belongs to `userId`, or null.
ScheduleRecord* ScheduleListFind(const ScheduleListHolder& holder, uint32_t userId);

// Appends `record`, the list taking ownership; the record stays where it is.
// Returns 0 when no record is given or there is no list, else 1.
int ScheduleListAdd(const ScheduleListHolder& holder, std::unique_ptr<ScheduleRecord> record);

// The person changed `userId`'s schedule (by hand, or by answering a
// reminder): a late read of the file keeps the list's record of that user.
void ScheduleListMarkEdited(const ScheduleListHolder& holder, uint32_t userId);
bool ScheduleListEdited(const ScheduleList& list, uint32_t userId);

// Frees every record and the list; the holder becomes null.
void ScheduleListClear(ScheduleListHolder& holder);

// A block of `capacity` records owned by `list`, for a reader to fill; its
// records join the list only through ScheduleListAppendBlock.
ScheduleRecord* ScheduleListNewBlock(ScheduleList& list, std::size_t capacity);

// Appends the first `count` records of a block that ScheduleListNewBlock gave.
void ScheduleListAppendBlock(ScheduleList& list, ScheduleRecord* block, std::size_t count);

}  // namespace corvane
