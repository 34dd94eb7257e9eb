// Colours and fonts of the windows, created once and shared.
#pragma once

#include <windows.h>

namespace corvane {

// The background of the main window, its pages and the reminder.
inline constexpr COLORREF kPageColor = RGB(0, 128, 192);
inline constexpr COLORREF kLabelTextColor = RGB(255, 255, 255);

enum class FontKind {
    Normal,     // MS Sans Serif, 8 point
    Bold,       // MS Sans Serif, 8 point, bold
    Link,       // MS Sans Serif, 8 point, underlined
    Title,      // MS Sans Serif, bold, 13 pixels high
    TitleLink,  // MS Sans Serif, bold, 13 pixels high, underlined
};

HFONT Font(FontKind kind);

// A solid brush of `color`, kept for the life of the process (a handful of colours are used).
HBRUSH SolidBrush(COLORREF color);

}  // namespace corvane
