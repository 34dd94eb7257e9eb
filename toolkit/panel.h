// A panel: a plain child area of its own colour that holds controls.
#pragma once

#include <windows.h>

namespace corvane {

inline constexpr char kPanelClassName[] = "CorvanePanel";

// Registers the panel class once. A panel keeps its colour in its user data.
void RegisterPanelClass();

}  // namespace corvane
