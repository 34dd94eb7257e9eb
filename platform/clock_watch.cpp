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

constexpr int64_t kFileTimePerMs = 10000;

FILETIME FileTimeOf(int64_t hundredNanoseconds) {
    const auto bits = static_cast<uint64_t>(hundredNanoseconds);
    return {static_cast<DWORD>(bits), static_cast<DWORD>(bits >> 32)};
}

int64_t ValueOf(const FILETIME& time) {
    return static_cast<int64_t>((static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
}

}  // namespace

int32_t LocalOffsetMinutesAfter(int64_t milliseconds) {
    const int64_t utcValue = SystemMilliseconds() * kFileTimePerMs + milliseconds * kFileTimePerMs;
    const FILETIME utcTime = FileTimeOf(utcValue);
    SYSTEMTIME utc;
    SYSTEMTIME local;
    FILETIME localTime;
    if (!FileTimeToSystemTime(&utcTime, &utc) || !SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local) ||
        !SystemTimeToFileTime(&local, &localTime)) {
        return 0;
    }
    return static_cast<int32_t>((ValueOf(localTime) - utcValue) / (60 * 1000 * kFileTimePerMs));
}

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
