#include "look.h"

#include <array>

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

HFONT MakeFont(bool bold) {
    // 8 point at 96 dots per inch: a character height of 11 pixels.
    return CreateFontA(-11, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                       "MS Sans Serif");
}

struct BrushEntry {
    COLORREF Color = 0;
    GdiObject Brush;
};

}  // namespace

HFONT Font(FontKind kind) {
    static GdiObject fonts[2];
    GdiObject& font = fonts[kind == FontKind::Bold ? 1 : 0];
    if (font.Get() == nullptr) font.Reset(MakeFont(kind == FontKind::Bold));
    return static_cast<HFONT>(font.Get());
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
