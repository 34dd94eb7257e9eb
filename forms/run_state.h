// Everything one run of the program holds, in one object that WinMain makes
// and owns and hands to the windows that need it: the settings, the lists,
// the Palm Desktop bindings, the notification-area icon, the saving of
// changes and whether someone is there. Nothing of it outlives the run, and
// a test makes its own.
#pragma once

#include <cstdint>
#include <memory>

#include "change_saver.h"
#include "icon_win.h"
#include "options.h"
#include "palm_libraries.h"
#include "presence.h"
#include "shared_lists.h"

namespace corvane {

struct RunState {
    TOptions Options;
    PalmBindings Palm;   // before the lists: they go first
    SharedLists Lists;
    ChangeSaver Saver{Options, Lists.Schedules};
    Presence UserPresence;
    std::unique_ptr<TIconWin> TrayIcon;  // start-up to the end of the run; the main window shows it

    // The person set a setting (by hand, or by answering a reminder).
    void PersonSet(int32_t OptionFields::*field, int32_t value) {
        Options.PersonSet(field, value);
        Saver.DataChanged();
    }
    // The person changed `userId`'s schedule (by hand, or by answering a reminder).
    void PersonEditedSchedule(uint32_t userId) {
        ScheduleListMarkEdited(Lists.Schedules, userId);
        Saver.DataChanged();
    }
};

}  // namespace corvane
