#include "local_clock.h"

#include <windows.h>

namespace corvane {

LocalTime ReadLocalClock() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wDayOfWeek};
}

}  // namespace corvane
