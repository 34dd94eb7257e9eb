// The schedule file: whole 24-byte records back to back, in list order, with
// no header. Reading catches up past-due records; a shorter tail is ignored.
#pragma once

#include <cstddef>
#include <vector>

#include "local_time.h"
#include "schedule_catch_up.h"
#include "schedule_list.h"

namespace corvane {

// Appends every whole record of `data` to `list`, catching up each past-due one
// against `now`. Returns the number of records appended.
std::size_t AppendScheduleRecords(ScheduleList& list, const unsigned char* data, std::size_t size,
                                  const ClockTexts& now);

// Puts a new list into the holder and fills it from the file at `path`.
// Returns 0 when `path` is null (no path could be formed), else 1, also when
// the file cannot be opened (no schedules yet). The holder always ends up
// holding a list.
int ScheduleListLoadFile(ScheduleListHolder& holder, const char* path, const LocalTime& now);

// The file image of the list: every record's 24 bytes in list order.
std::vector<unsigned char> ScheduleFileBytes(const ScheduleListHolder& holder);

}  // namespace corvane
