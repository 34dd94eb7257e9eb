// The schedule list's file on this machine: cvdata\cvsche.dat beside the
// executable, read at start-up against the local clock and written at shutdown.
#pragma once

#include "schedule_list.h"

namespace corvane {

// Sets the holder to null, then loads it (ScheduleListLoad). Returns the holder.
ScheduleListHolder& ScheduleListCreate(ScheduleListHolder& holder);

// Puts a new list into the holder, filled from the schedule file with
// past-due schedules caught up. Returns 1 when the file was read or does not
// exist yet, 0 when no path can be formed; the holder always holds a list.
int ScheduleListLoad(ScheduleListHolder& holder);

// Replaces the schedule file with the list's records. Returns 1 when written;
// 0 when no path can be formed or the file cannot be replaced, in which case
// the file on disk is left exactly as it was.
int ScheduleListSave(const ScheduleListHolder& holder);

// Saves and clears the list; nothing when the holder is null.
void ScheduleListFree(ScheduleListHolder& holder);

}  // namespace corvane
