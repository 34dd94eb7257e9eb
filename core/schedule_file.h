// The schedule file: whole 24-byte records back to back, in list order, with
// no header. Reading catches up past-due records; a shorter tail is ignored.
#pragma once

#include <cstddef>
#include <vector>

#include "local_time.h"
#include "schedule_catch_up.h"
#include "schedule_list.h"

namespace corvane {

// Where a file's bytes come from: the program reads through Win32 handles,
// tests and tools through the C library.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // The size the file claims; 0 when unknown.
    virtual std::size_t Size() = 0;
    // Reads up to `wanted` bytes into `buffer` and sets `got` (fewer than
    // wanted only at the end). False on a read error.
    virtual bool Read(void* buffer, std::size_t wanted, std::size_t& got) = 0;
};

// Appends every whole record of `data` to `list`, catching up each past-due one
// against `now`. Returns the number of records appended.
std::size_t AppendScheduleRecords(ScheduleList& list, const unsigned char* data, std::size_t size,
                                  const ClockTexts& now);

// Appends every whole record `source` gives to `list`, catching up past-due
// ones. False when a read failed part-way: the list then holds only part of
// the file and must be taken as not loaded.
bool ReadScheduleRecords(ScheduleList& list, ByteSource& source, const LocalTime& now);

// Puts a new list into the holder and fills it from the file at `path`
// through the C library. A file that does not exist gives an empty list; any
// other failure marks the list unread. The holder always ends up holding a list.
FileLoad ScheduleListLoadFile(ScheduleListHolder& holder, const char* path, const LocalTime& now);

// Takes in the records of `fromFile` (read and caught up after an earlier
// read had failed): a user whose schedule the person changed meanwhile keeps
// the list's record; every other user's record in the list (one the program
// made up, or moved on) takes the file's, in place; a record of a user the
// list lacks joins it. A second record of a user pairs with the list's
// second. Records already handed out stay where they are.
void MergeScheduleRecords(ScheduleList& list, ScheduleList&& fromFile);

// The file image of the list: every record's 24 bytes in list order.
std::vector<unsigned char> ScheduleFileBytes(const ScheduleListHolder& holder);

}  // namespace corvane
