// The system's own words for an error code, for messages that say why.
#pragma once

#include <windows.h>

#include <string>

namespace corvane {

// The message text of `error` in the user's language, without its closing
// line break; the code as a number when the system has no text for it.
std::string SystemErrorText(DWORD error);
// The same in wide characters, for messages that also name a path.
std::wstring SystemErrorTextW(DWORD error);

}  // namespace corvane
