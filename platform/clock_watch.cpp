#include "clock_watch.h"

#include <windows.h>

namespace corvane {
namespace {

// Small corrections by time synchronisation stay below this.
constexpr int64_t kHandChangeMilliseconds = 60 * 1000;

int64_t SystemMilliseconds() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return static_cast<int64_t>((static_cast<uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime) / 10000;
}

}  // namespace

bool ClockWatch::SetByHand() {
    const int64_t system = SystemMilliseconds();
    const uint64_t running = GetTickCount64();
    const int64_t drift = (system - systemMilliseconds_) - static_cast<int64_t>(running - runningMilliseconds_);
    systemMilliseconds_ = system;
    runningMilliseconds_ = running;
    return drift > kHandChangeMilliseconds || drift < -kHandChangeMilliseconds;
}

void ClockWatch::Mark() {
    systemMilliseconds_ = SystemMilliseconds();
    runningMilliseconds_ = GetTickCount64();
}

}  // namespace corvane
