#include "presence.h"

namespace corvane {

Presence& UserPresence() {
    static Presence presence;
    return presence;
}

}  // namespace corvane
