#include "local_clock.h"

#include <windows.h>

namespace corvane {

namespace {

LocalTime FromSystemTime(const SYSTEMTIME& time) {
    return {time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wDayOfWeek};
}

}  // namespace

LocalTime ReadLocalClock() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return FromSystemTime(now);
}

LocalTime ProcessStartTime() {
    FILETIME created;
    FILETIME unused[3];
    FILETIME local;
    SYSTEMTIME start;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &unused[0], &unused[1], &unused[2]) ||
        !FileTimeToLocalFileTime(&created, &local) || !FileTimeToSystemTime(&local, &start)) {
        return ReadLocalClock();
    }
    return FromSystemTime(start);
}

}  // namespace corvane
