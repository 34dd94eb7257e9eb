// The schedule list's file on this machine: cvdata\cvsche.dat beside the
// executable, read at start-up against the local clock. A file that exists
// but cannot be read leaves the list marked unread, and an unread list is
// never written over the file.
#pragma once

#include <windows.h>

#include "schedule_list.h"

namespace corvane {

// Sets the holder to null, then loads it (ScheduleListLoad). Returns the holder.
ScheduleListHolder& ScheduleListCreate(ScheduleListHolder& holder);

// Puts a new list into the holder, filled from the schedule file with
// past-due schedules caught up, and gives how the reading went (also kept in
// the list). Only a missing file or folder reads as empty. A schedule file
// left missing by an interrupted replace is taken from its temporary file,
// and a temporary file that cannot be opened makes it unreadable.
// The holder always holds a list; `reason` gets the error of a failed read.
FileLoad ScheduleListLoad(ScheduleListHolder& holder, DWORD* reason = nullptr);

// Reads the file again for a list that could not be read before: the
// person's changes keep their records, everything else takes the file's
// (MergeScheduleRecords' rule). Nothing for a list that was read. Gives the
// list's state afterwards.
FileLoad ScheduleListReload(const ScheduleListHolder& holder, DWORD* reason = nullptr);

// Replaces the schedule file with the list's records, making the cvdata
// folder when it is missing. Returns 1 when written; 0 when the list was not
// read, no path can be formed or the file cannot be replaced (with the
// system's error in `reason`): the file on disk is then exactly as it was.
int ScheduleListSave(const ScheduleListHolder& holder, DWORD* reason = nullptr);

// Clears the list; nothing when the holder is null. Saving is the caller's.
void ScheduleListFree(ScheduleListHolder& holder);

}  // namespace corvane
