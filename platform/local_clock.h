// The local clock.
#pragma once

#include "local_time.h"

namespace corvane {

LocalTime ReadLocalClock();

// The local clock when this process started: earlier than any reading the
// process takes itself.
LocalTime ProcessStartTime();

}  // namespace corvane
