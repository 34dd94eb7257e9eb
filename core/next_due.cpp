#include "next_due.h"

#include <algorithm>

namespace corvane {
namespace {

constexpr int64_t kMsPerMinute = 60 * 1000;
// Beyond the longest wait by more than any change of the clock's offset.
constexpr int64_t kFarMs = kLongestWaitMs + 3 * 60 * kMsPerMinute;

// Real milliseconds until the wall clock shows `wallMs` more than now.
int64_t UntilWallShows(int64_t wallMs, const OffsetAfter& offset) {
    if (wallMs <= 0 || wallMs >= kFarMs) return wallMs;
    const int32_t now = offset(0);
    const int32_t then = offset(wallMs);
    if (then == now) return wallMs;
    const int64_t shifted = wallMs - (then - now) * kMsPerMinute;
    if (shifted >= 0 && offset(shifted) == then) return shifted;
    // The clock skips that moment: it comes due at the change, found to the second.
    int64_t before = 0;
    int64_t after = wallMs;
    while (after - before > 1000) {
        const int64_t middle = before + (after - before) / 2;
        (offset(middle) == now ? before : after) = middle;
    }
    return after;
}

}  // namespace

uint32_t TimerWaitMs(const NextDue& next, const WaitClock& clock) {
    int64_t wait = kLongestWaitMs;
    if (next.Occurrence != NextDue::kNoOccurrence) {
        // Bounded before multiplying: an occurrence years away cannot overflow.
        const MinuteNumber minutes = std::clamp<MinuteNumber>(next.Occurrence - clock.WallMinute, -1, kFarMs / kMsPerMinute);
        wait = std::min(wait, UntilWallShows(minutes * kMsPerMinute - clock.MsIntoMinute, clock.Offset));
    }
    if (next.DelayEndsMs != NextDue::kNoDelay) {
        const uint64_t left = next.DelayEndsMs > clock.RunningMs ? next.DelayEndsMs - clock.RunningMs : 0;
        wait = std::min<int64_t>(wait, static_cast<int64_t>(std::min<uint64_t>(left, kLongestWaitMs)));
    }
    return static_cast<uint32_t>(std::clamp<int64_t>(wait + kWakeMarginMs, kWakeMarginMs, kLongestWaitMs));
}

}  // namespace corvane
