// How a form paints: its background, its labels (clickable ones with a focus
// rectangle), the colours of its radio buttons, check boxes and group boxes,
// all in the system's colours under high contrast, where no picture is drawn
// behind a label.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "button_keyboard.h"
#include "form.h"

namespace corvane {
namespace {

bool IsShownWindow(HWND window) { return (GetWindowLongPtrA(window, GWL_STYLE) & WS_VISIBLE) != 0; }

// Paints the part of `picture` (shown by `image`) that lies under the label.
void PaintPicturePart(HDC dc, const RECT& area, HWND label, HWND image, HGDIOBJ picture) {
    RECT imageRect;
    RECT labelRect;
    GetWindowRect(image, &imageRect);
    GetWindowRect(label, &labelRect);
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(source, picture);
    BitBlt(dc, 0, 0, area.right, area.bottom, source, labelRect.left - imageRect.left, labelRect.top - imageRect.top,
           SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
}

}  // namespace

HGDIOBJ Form::BitmapOf(int imageId) const {
    for (const Bitmap& bitmap : bitmaps_) {
        if (bitmap.Id == imageId) return bitmap.Handle;
    }
    return nullptr;
}

void Form::EraseBackground(HDC dc) const {
    RECT area;
    GetClientRect(Handle(), &area);
    FillRect(dc, &area, SolidBrush(ThemeColor(backColor_, COLOR_BTNFACE)));
}

bool Form::DrawBackdrop(const DRAWITEMSTRUCT& item, const ControlLook& look) const {
    if (look.Backdrop == 0 || HighContrast()) return false;
    HGDIOBJ picture = BitmapOf(look.Backdrop);
    HWND image = Control(look.Backdrop);
    if (picture == nullptr || image == nullptr || !IsShownWindow(image)) return false;
    PaintPicturePart(item.hDC, item.rcItem, item.hwndItem, image, picture);
    return true;
}

void Form::DrawLabel(const DRAWITEMSTRUCT& item) const {
    const ControlLook* look = LookOf(item.hwndItem);
    if (look == nullptr) return;
    HDC dc = item.hDC;
    RECT area = item.rcItem;
    if (!DrawBackdrop(item, *look)) FillRect(dc, &area, SolidBrush(ThemeColor(look->Back, COLOR_BTNFACE)));
    char text[256] = "";
    GetWindowTextA(item.hwndItem, text, sizeof text);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ThemeColor(look->Text, look->HandCursor ? COLOR_HOTLIGHT : COLOR_BTNTEXT));
    HGDIOBJ previousFont = SelectObject(dc, Font(look->Font));
    const UINT lines = look->Wrap ? DT_WORDBREAK : DT_SINGLELINE | DT_END_ELLIPSIS;
    DrawTextA(dc, text, -1, &area, look->Align | lines | PrefixFlags(item.hwndItem, look->Mnemonic));
    SelectObject(dc, previousFont);
    if (item.CtlType != ODT_BUTTON) return;
    // The button Enter presses has a frame in its text's colour, the focused one a focus rectangle within.
    if (IsDefaultControl(item.hwndItem)) {
        FrameRect(dc, &area, SolidBrush(ThemeColor(look->Text, look->HandCursor ? COLOR_HOTLIGHT : COLOR_BTNTEXT)));
    }
    if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) {
        RECT focus = area;
        if (IsDefaultControl(item.hwndItem)) InflateRect(&focus, -1, -1);
        SetTextColor(dc, ThemeColor(look->Text, COLOR_BTNTEXT));
        DrawFocusRect(dc, &focus);
    }
}

LRESULT Form::ColorStatic(HDC dc, HWND control) {
    const ControlLook* look = LookOf(control);
    if (look == nullptr) return DefWindowProcA(Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                               reinterpret_cast<LPARAM>(control));
    const COLORREF back = ThemeColor(look->Back, COLOR_BTNFACE);
    SetTextColor(dc, ThemeColor(look->Text, COLOR_BTNTEXT));
    SetBkColor(dc, back);
    return reinterpret_cast<LRESULT>(SolidBrush(back));
}

namespace {

constexpr UINT_PTR kGroupBoxSubclass = 0x4742;

}  // namespace

LRESULT CALLBACK Form::GroupBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR form) {
    if (message == WM_NCDESTROY) RemoveWindowSubclass(box, GroupBoxProcedure, kGroupBoxSubclass);
    const LRESULT result = DefSubclassProc(box, message, wParam, lParam);
    if (message == WM_PAINT) reinterpret_cast<const Form*>(form)->PaintGroupCaption(box);
    return result;
}

// Some systems draw a group box's caption in the system's text colour,
// whatever its parent answers: the form paints the caption anew in its look.
void Form::KeepGroupCaptionColors(HWND groupBox) {
    SetWindowSubclass(groupBox, GroupBoxProcedure, kGroupBoxSubclass, reinterpret_cast<DWORD_PTR>(this));
}

void Form::PaintGroupCaption(HWND groupBox) const {
    const ControlLook* look = LookOf(groupBox);
    char text[128] = "";
    if (look == nullptr || GetWindowTextA(groupBox, text, sizeof text) == 0) return;
    HDC dc = GetDC(groupBox);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(groupBox, WM_GETFONT, 0, 0)));
    RECT caption{0, 0, 0, 0};
    DrawTextA(dc, text, -1, &caption, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    // Over the caption as the control places it: a few pixels in from the box's left edge.
    OffsetRect(&caption, 8, 0);
    RECT area = caption;
    InflateRect(&area, 2, 0);
    FillRect(dc, &area, SolidBrush(ThemeColor(look->Back, COLOR_BTNFACE)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ThemeColor(look->Text, COLOR_BTNTEXT));
    DrawTextA(dc, text, -1, &caption, DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, previous);
    ReleaseDC(groupBox, dc);
}

// Under high contrast the pictures behind labels give way to the system's
// colours; they come back when it ends.
void Form::ShowBackdrops() {
    const bool contrast = HighContrast();
    for (const auto& look : looks_) {
        HWND image = look->Backdrop != 0 ? Control(look->Backdrop) : nullptr;
        if (image == nullptr) continue;
        const bool hiddenHere = std::find(hiddenBackdrops_.begin(), hiddenBackdrops_.end(), image) != hiddenBackdrops_.end();
        if (contrast && IsShownWindow(image)) {
            ShowWindow(image, SW_HIDE);
            hiddenBackdrops_.push_back(image);
        } else if (!contrast && hiddenHere) {
            ShowWindow(image, SW_SHOW);
            hiddenBackdrops_.erase(std::remove(hiddenBackdrops_.begin(), hiddenBackdrops_.end(), image),
                                   hiddenBackdrops_.end());
        }
    }
}

namespace {

BOOL CALLBACK ApplyColorsToPage(HWND child, LPARAM) {
    Window* window = Window::FromHandle(child);
    if (auto* page = dynamic_cast<Form*>(window)) page->ApplyColors();
    return TRUE;
}

}  // namespace

void Form::ApplyColors() {
    if (Handle() == nullptr) return;
    ShowBackdrops();
    // Pages are children: they hear of a changed theme from the window that holds them.
    if ((GetWindowLongPtrA(Handle(), GWL_STYLE) & WS_CHILD) == 0) EnumChildWindows(Handle(), ApplyColorsToPage, 0);
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

}  // namespace corvane
