// A reading of the local clock, as the schedules need it.
#pragma once

#include <cstdint>

namespace corvane {

struct LocalTime {
    int32_t Year;
    int32_t Month;    // 1 to 12
    int32_t Day;      // 1 to 31
    int32_t Hour;     // 0 to 23
    int32_t Minute;   // 0 to 59
    int32_t Weekday;  // the clock's numbering: 0 Sunday to 6 Saturday
};

}  // namespace corvane
