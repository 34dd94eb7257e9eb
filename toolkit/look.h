// Colours and fonts of the windows, created once and shared.
#pragma once

#include <windows.h>

namespace corvane {

// The background of the main window, its pages and the reminder: dark enough
// for white, yellow and green text to stand out at 4.5:1 or more.
inline constexpr COLORREF kPageColor = RGB(0, 102, 153);
inline constexpr COLORREF kLabelTextColor = RGB(255, 255, 255);

enum class FontKind {
    Normal,     // MS Sans Serif, 8 point
    Bold,       // MS Sans Serif, 8 point, bold
    Link,       // MS Sans Serif, 8 point, underlined
    Title,      // MS Sans Serif, bold, 13 pixels high
    TitleLink,  // MS Sans Serif, bold, 13 pixels high, underlined
};

HFONT Font(FontKind kind);

// Whether the system's high-contrast theme is on.
bool HighContrast();
// `designed`, or under high contrast the system colour `systemIndex`.
COLORREF ThemeColor(COLORREF designed, int systemIndex);

// A solid brush of `color`, kept for the life of the process (a handful of colours are used).
HBRUSH SolidBrush(COLORREF color);

}  // namespace corvane
