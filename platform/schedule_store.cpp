#include "schedule_store.h"

#include "data_paths.h"
#include "file_replace.h"
#include "local_clock.h"
#include "schedule_file.h"

namespace corvane {

ScheduleListHolder& ScheduleListCreate(ScheduleListHolder& holder) {
    holder.reset();
    ScheduleListLoad(holder);
    return holder;
}

int ScheduleListLoad(ScheduleListHolder& holder) {
    PathBuffer path;
    const bool havePath = GetDataFilePath(dfSchedules, &path) != 0;
    return ScheduleListLoadFile(holder, havePath ? path : nullptr, ReadLocalClock());
}

int ScheduleListSave(const ScheduleListHolder& holder) {
    if (!holder) return 0;
    PathBuffer path;
    if (GetDataFilePath(dfSchedules, &path) == 0) return 0;
    const auto bytes = ScheduleFileBytes(holder);
    return ReplaceFileContents(path, bytes.data(), bytes.size());
}

void ScheduleListFree(ScheduleListHolder& holder) {
    if (!holder) return;
    ScheduleListSave(holder);
    ScheduleListClear(holder);
}

}  // namespace corvane
