// What screen readers hear of a window beyond its own text: Windows' dynamic
// annotation, where the service exists (nothing happens where it is missing).
#pragma once

#include <windows.h>

namespace corvane {

enum class AccessibleText { Name, Description };

// Gives screen readers `text` as the window's name or description.
void SetAccessibleText(HWND window, AccessibleText kind, const char* text);
// Takes it away again (before the window is destroyed).
void ClearAccessibleText(HWND window, AccessibleText kind);

}  // namespace corvane
