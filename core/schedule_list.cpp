#include "schedule_list.h"

#include <utility>

namespace corvane {

int32_t ScheduleListCount(const ScheduleListHolder& holder) {
    return holder ? static_cast<int32_t>(holder->Records.size()) : 0;
}

ScheduleRecord* ScheduleListAt(const ScheduleListHolder& holder, int32_t index) {
    if (index < 0 || index >= ScheduleListCount(holder)) return nullptr;
    return holder->Records[static_cast<std::size_t>(index)].get();
}

ScheduleRecord* ScheduleListFind(const ScheduleListHolder& holder, uint32_t userId) {
    if (!holder) return nullptr;
    for (const auto& record : holder->Records) {
        if (record->UserID == userId) return record.get();
    }
    return nullptr;
}

int ScheduleListAdd(const ScheduleListHolder& holder, std::unique_ptr<ScheduleRecord> record) {
    if (!holder || !record) return 0;
    holder->Records.push_back(std::move(record));
    return 1;
}

void ScheduleListClear(ScheduleListHolder& holder) { holder.reset(); }

}  // namespace corvane
