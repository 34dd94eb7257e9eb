#include "schedule_list.h"

#include <algorithm>
#include <utility>

namespace corvane {

int32_t ScheduleListCount(const ScheduleListHolder& holder) {
    return holder ? static_cast<int32_t>(holder->Records.size()) : 0;
}

ScheduleRecord* ScheduleListAt(const ScheduleListHolder& holder, int32_t index) {
    if (index < 0 || index >= ScheduleListCount(holder)) return nullptr;
    return holder->Records[static_cast<std::size_t>(index)];
}

ScheduleRecord* ScheduleListFind(const ScheduleListHolder& holder, uint32_t userId) {
    if (!holder) return nullptr;
    for (ScheduleRecord* record : holder->Records) {
        if (record->UserID == userId) return record;
    }
    return nullptr;
}

int ScheduleListAdd(const ScheduleListHolder& holder, std::unique_ptr<ScheduleRecord> record) {
    if (!holder || !record) return 0;
    ScheduleRecord* added = record.get();
    holder->Added.push_back(std::move(record));
    holder->Records.push_back(added);
    return 1;
}

void ScheduleListMarkEdited(const ScheduleListHolder& holder, uint32_t userId) {
    if (holder && !ScheduleListEdited(*holder, userId)) holder->EditedUsers.push_back(userId);
}

bool ScheduleListEdited(const ScheduleList& list, uint32_t userId) {
    return std::find(list.EditedUsers.begin(), list.EditedUsers.end(), userId) != list.EditedUsers.end();
}

void ScheduleListClear(ScheduleListHolder& holder) { holder.reset(); }

ScheduleRecord* ScheduleListNewBlock(ScheduleList& list, std::size_t capacity) {
    // Left uninitialised: the reader fills what it appends, and nothing else is read.
    list.Blocks.emplace_back(new ScheduleRecord[capacity]);
    return list.Blocks.back().get();
}

void ScheduleListAppendBlock(ScheduleList& list, ScheduleRecord* block, std::size_t count) {
    // Grown geometrically, so that many small reads do not move the index each time.
    const std::size_t needed = list.Records.size() + count;
    if (list.Records.capacity() < needed) list.Records.reserve(std::max(needed, list.Records.capacity() * 2));
    for (std::size_t i = 0; i < count; ++i) list.Records.push_back(block + i);
}

}  // namespace corvane
