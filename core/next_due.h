// When anything can next fall due, and how long the one timer that waits for
// it sleeps: nothing runs periodically while Corvane waits.
#pragma once

#include <cstdint>
#include <functional>

#include "date_time_text.h"

namespace corvane {

struct NextDue {
    static constexpr MinuteNumber kNoOccurrence = INT64_MAX;
    static constexpr uint64_t kNoDelay = UINT64_MAX;

    MinuteNumber Occurrence = kNoOccurrence;  // the earliest occurrence, on the local wall clock
    uint64_t DelayEndsMs = kNoDelay;          // the earliest end of a delay, on the running clock
};

// Local time minus UTC, in minutes, the given milliseconds from now: it
// changes where summer time begins or ends.
using OffsetAfter = std::function<int32_t(int64_t milliseconds)>;

// Where both clocks stand as the timer is armed.
struct WaitClock {
    MinuteNumber WallMinute;
    int32_t MsIntoMinute;
    uint64_t RunningMs;
    OffsetAfter Offset;
};

// Never longer than this, so that a clock change nobody announces is caught
// within the hour.
inline constexpr uint32_t kLongestWaitMs = 60 * 60 * 1000;
// A little past the moment, so that the check that wakes finds it come.
inline constexpr uint32_t kWakeMarginMs = 500;

// Until the occurrence (an occurrence in the hour that summer time skips
// comes due as the clock skips it) or the end of the delay, whichever comes
// first; at most kLongestWaitMs.
uint32_t TimerWaitMs(const NextDue& next, const WaitClock& clock);

}  // namespace corvane
