// The clocks the reminders go by. ClockWatch tells a clock set by hand from
// one that only went on running: the system clock (UTC) against the time the
// machine has been running, which sleep does not stop and no one can set. Summer time and time zones move the
// local clock alone and do not count.
#pragma once

#include <cstdint>

namespace corvane {

// Local time minus UTC, in minutes, `milliseconds` from now, by the time
// zone's rules (summer time begins or ends in between).
int32_t LocalOffsetMinutesAfter(int64_t milliseconds);

class ClockWatch {
public:
    ClockWatch() { Mark(); }

    // True when the system clock moved by more than a minute against the
    // running time since the previous call (or construction).
    bool SetByHand();

private:
    void Mark();

    int64_t systemMilliseconds_ = 0;
    uint64_t runningMilliseconds_ = 0;
};

}  // namespace corvane
