// How reading one of the program's own files went.
#pragma once

namespace corvane {

enum class FileLoad {
    Read,        // read whole
    NotFound,    // the file or its folder does not exist: nothing stored yet
    Unreadable,  // it exists but could not be read whole: never to be written over
    NoPath,      // no path could be formed for it
};

// True when what is in memory may replace the file.
inline bool MayReplace(FileLoad load) { return load == FileLoad::Read || load == FileLoad::NotFound; }

}  // namespace corvane
