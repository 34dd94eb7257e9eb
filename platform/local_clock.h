// The local clock.
#pragma once

#include "local_time.h"

namespace corvane {

LocalTime ReadLocalClock();

}  // namespace corvane
