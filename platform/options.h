// The program's settings: one record, read from the INI file beside the
// executable when the run starts and written back, by replacing the file,
// whenever it changes.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "data_paths.h"
#include "file_load.h"
#include "option_values.h"

namespace corvane {

// The fields (OptionFields) with the file they live in.
struct TOptions : OptionFields {
    WidePath IniFile = {};  // full path of the INI file; empty when none can be formed
    FileLoad Stored = FileLoad::NoPath;  // how reading IniFile went; an unread file is never written over
    std::string OnDisk;                  // IniFile's bytes as last read or written

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
