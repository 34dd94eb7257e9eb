// Whether someone can be there to answer a reminder: not while the machine
// sleeps or has woken by itself, nor while the session is locked or its
// console taken away. Reminders wait for them.
#pragma once

namespace corvane {

struct Presence {
    bool Asleep = false;
    bool Locked = false;

    bool Attended() const { return !Asleep && !Locked; }
};

}  // namespace corvane
