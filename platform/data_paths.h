// The executable's directory and the program's data files beside it. These
// are the program's own paths, so they are wide: any folder name Windows
// allows works, whatever the ANSI code page.
#pragma once

#include <cstdint>

#include "path_text.h"

namespace corvane {

// Data file indices.
enum DataFile : int32_t {
    dfConduitNames = 1,  // cvdata\cvwkcond.dat
    dfSchedules = 2,     // cvdata\cvsche.dat
    dfHelp = 3,          // cvdata\cvhelp.chm
    dfRemindSound = 4,   // cvdata\cvremind.wav
};

// Writes the running executable's drive and directory, with a trailing
// backslash, into `buffer` and returns 1. Returns 0 when `buffer` is null, and
// 0 with an empty buffer when the executable's path is too long for a path
// buffer (no sound directory can be formed from a truncated path).
int GetExeDir(WidePath* buffer);

// Writes the full path of data file `index` (1 to 4) into `buffer` and returns
// 1. Returns 0 when `buffer` is null, when the index is unknown (the buffer
// then holds the executable's directory alone) or when the path does not fit.
int GetDataFilePath(int32_t index, WidePath* buffer);

// Writes the data folder's path (cvdata, no trailing backslash) into `buffer`
// and returns 1; 0 when it cannot be formed.
int GetDataFolder(WidePath* buffer);

}  // namespace corvane
