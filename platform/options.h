// The program's settings: one record, read from the INI file beside the
// executable when the process starts and written back when it ends.
#pragma once

#include <cstdint>

#include "data_paths.h"

namespace corvane {

struct TOptions {
    int32_t ShowHelp = 1;      // 1: the main window opens on the introduction page
    int32_t FormIndex = 3;     // the page shown last: 0 introduction, 1 conduits, 2 users, 3 schedule
    PathBuffer IniFile = {};   // full path of the INI file; empty when none can be formed
    int32_t Hide = 0;          // 1: the main window stays hidden at start-up
    int32_t RemindIndex = 2;   // the reminder's last choice: 1 sync now, 2 remind later, 3 skip
    int32_t RemindSec = 30;    // seconds the reminder counts down
    int32_t RemindMin = 5;     // minutes first offered as the reminder's delay
    int32_t RemindDetail = 1;  // non-zero: the reminder lists the due users
    int32_t UpdatePermanent = 0;  // 1: a conduit action also becomes the user's permanent one

    // Sets IniFile to "brightfen.ini" beside the executable and reads every key.
    int Load();
    // Sets IniFile to `iniFile` and reads every key; a path that does not fit
    // leaves IniFile empty and every field at its default.
    int LoadFrom(const char* iniFile);
    // Writes every key to IniFile, in order; nothing when IniFile is empty.
    int Save() const;
};

// The settings of this process. Loaded before the entry point runs and saved
// after it has returned.
extern TOptions Options;

}  // namespace corvane
