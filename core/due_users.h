// The users whose schedules fall due in the current minute, in schedule-list
// order, as the minute timer hands them to the reminder.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace corvane {

struct DueUser {
    std::string Name;
    uint32_t UserID;
};

using DueUsers = std::vector<DueUser>;

}  // namespace corvane
