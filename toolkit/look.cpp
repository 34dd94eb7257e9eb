#include "look.h"

#include <array>

#include "dpi.h"
#include "ui_services.h"
#include "unique_resource.h"

namespace corvane {
namespace {

struct GdiObjectTraits {
    static HGDIOBJ None() { return nullptr; }
    static bool IsValid(HGDIOBJ object) { return object != nullptr; }
    static void Release(HGDIOBJ object) { DeleteObject(object); }
};

// Owns a GDI object for the life of the process.
using GdiObject = UniqueResource<HGDIOBJ, GdiObjectTraits>;

struct FontShape {
    int Height;  // character height in pixels
    bool Bold;
    bool Underline;
};

// 8 point at 96 dots per inch is a character height of 11 pixels; the heights are scaled to the screen, rounded down.
FontShape ShapeOf(FontKind kind) {
    switch (kind) {
        case FontKind::Normal: return {11, false, false};
        case FontKind::Bold: return {11, true, false};
        case FontKind::Link: return {11, false, true};
        case FontKind::Title: return {13, true, false};
        case FontKind::TitleLink: return {13, true, true};
    }
    return {11, false, false};
}

HFONT MakeFont(FontKind kind) {
    const FontShape shape = ShapeOf(kind);
    return CreateFontA(-ScaledDown(shape.Height), 0, 0, 0, shape.Bold ? FW_BOLD : FW_NORMAL, FALSE, shape.Underline ? TRUE : FALSE,
                       FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, "MS Sans Serif");
}

struct BrushEntry {
    COLORREF Color = 0;
    GdiObject Brush;
};

}  // namespace

HFONT Font(FontKind kind) {
    static GdiObject fonts[5];
    GdiObject& font = fonts[static_cast<int>(kind)];
    if (font.Get() == nullptr) font.Reset(MakeFont(kind));
    return static_cast<HFONT>(font.Get());
}

bool HighContrast() { return Ui().HighContrast(); }

COLORREF ThemeColor(COLORREF designed, int systemIndex) {
    return HighContrast() ? GetSysColor(systemIndex) : designed;
}

HBRUSH SolidBrush(COLORREF color) {
    static std::array<BrushEntry, 16> brushes;
    for (BrushEntry& entry : brushes) {
        if (entry.Brush.Get() != nullptr && entry.Color == color) return static_cast<HBRUSH>(entry.Brush.Get());
        if (entry.Brush.Get() == nullptr) {
            entry.Color = color;
            entry.Brush.Reset(CreateSolidBrush(color));
            return static_cast<HBRUSH>(entry.Brush.Get());
        }
    }
    return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
}

}  // namespace corvane
