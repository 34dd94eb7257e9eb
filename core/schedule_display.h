// How the schedule window shows a stored time and date, whatever they hold.
#pragma once

#include <cstdint>

#include "date_time_text.h"

namespace corvane {

struct ShownTime {
    int32_t Hour;
    int32_t Minute;
};

// The first two characters of the time as the hour (8 when above 23), the
// next two as the minute (0 when above 59); non-digits end a number.
ShownTime ShownTimeOf(const char (&syncTime)[5]);

// The stored date when it is a valid date from 1900 to 9999; otherwise `today`.
CalendarDate ShownDateOf(const char (&syncDate)[9], const CalendarDate& today);

}  // namespace corvane
