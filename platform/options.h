// The program's settings: one record, read from the INI file beside the
// executable when the run starts and written back, by replacing the file,
// whenever it changes.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "data_paths.h"
#include "file_load.h"

namespace corvane {

struct TOptions {
    int32_t ShowHelp = 1;      // 1: the main window opens on the introduction page
    int32_t FormIndex = 3;     // the page shown last: 0 introduction, 1 conduits, 2 users, 3 schedule
    WidePath IniFile = {};     // full path of the INI file; empty when none can be formed
    int32_t Hide = 0;          // 1: the main window stays hidden at start-up
    int32_t RemindIndex = 2;   // the reminder's last choice: 1 sync now, 2 remind later, 3 skip
    int32_t RemindSec = 30;    // seconds the reminder counts down
    int32_t RemindMin = 5;     // minutes first offered as the reminder's delay
    int32_t RemindDetail = 1;  // non-zero: the reminder lists the due users
    int32_t UpdatePermanent = 0;  // 1: a conduit action also becomes the user's permanent one

    FileLoad Stored = FileLoad::NoPath;  // how reading IniFile went; an unread file is never written over
    std::string OnDisk;                  // IniFile's bytes as last read or written
    uint32_t SetByPerson = 0;            // one bit per key, in the file's order: set by the person this run

    // Sets IniFile to "brightfen.ini" beside the executable and reads every key.
    FileLoad Load(DWORD* reason = nullptr);
    // Sets IniFile to `iniFile` and reads every key. A file that does not
    // exist gives the defaults; one that cannot be read gives the defaults
    // and is marked unread. A path that does not fit leaves IniFile empty.
    FileLoad LoadFrom(const wchar_t* iniFile, DWORD* reason = nullptr);
    // Reads a file that could not be read before: a field the person set
    // during the run keeps its value (also one set back to its default),
    // every other field takes the file's.
    FileLoad Reload(DWORD* reason = nullptr);
    // The person set `field` to `value` (by hand, or by answering a reminder).
    void PersonSet(int32_t TOptions::*field, int32_t value);
    // True when the file's text would change (or does not exist yet).
    bool Unsaved() const;
    // Replaces IniFile, in the encoding it came in, with every key set to its
    // field: only those keys' lines change, every other line stays. Returns
    // 1 when the file holds the settings (also when nothing had changed); 0
    // with the system's error in `reason` when the file was not read, no path
    // could be formed or the replace failed.
    int Save(DWORD* reason = nullptr);
};

}  // namespace corvane
