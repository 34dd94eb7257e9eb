// The controls of a form, made from its layout table: each kind's window
// class and styles, pictures loaded for the screen's scaling, looks kept for
// the painting, and the order the keyboard and screen readers go through.
#include <windows.h>
#include <commctrl.h>
#include <uxtheme.h>

#include <cstring>
#include <string>

#include "button_keyboard.h"
#include "controls.h"
#include "dpi.h"
#include "form.h"
#include "panel.h"

namespace corvane {
namespace {

struct ClassAndStyle {
    const char* ClassName;
    DWORD Style;
    DWORD ExStyle;
};

// A clickable label is a push button drawn as the label (Enter and Space
// press it, Tab reaches it); any other keeps '&' as text unless it marks a mnemonic.
ClassAndStyle ClassFor(ControlKind kind, bool clickable, bool mnemonic) {
    switch (kind) {
        case ControlKind::Label:
            if (clickable) return {"BUTTON", BS_OWNERDRAW | WS_TABSTOP, 0};
            return {"STATIC", SS_OWNERDRAW | SS_NOTIFY | (mnemonic ? 0u : static_cast<DWORD>(SS_NOPREFIX)), 0};
        case ControlKind::Name: return {"STATIC", SS_LEFT | SS_NOPREFIX, 0};
        case ControlKind::Image: return {"STATIC", SS_BITMAP, 0};
        case ControlKind::Icon: return {"STATIC", SS_ICON | SS_REALSIZECONTROL, 0};
        case ControlKind::Panel: return {kPanelClassName, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
        case ControlKind::GroupBox: return {"BUTTON", BS_GROUPBOX, 0};
        case ControlKind::Button: return {"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
        case ControlKind::RadioButton: return {"BUTTON", BS_AUTORADIOBUTTON | WS_TABSTOP, 0};
        case ControlKind::CheckBox: return {"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0};
        case ControlKind::ComboList: return {"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0};
        case ControlKind::Edit: return {"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
        case ControlKind::ListBox: return {"LISTBOX", LBS_NOTIFY | WS_VSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
        case ControlKind::ListViewReport:
            return {WC_LISTVIEWA, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP, WS_EX_CLIENTEDGE};
        // The form owns the image list it gives the view, so the view must not destroy it.
        case ControlKind::ListViewIcons:
            return {WC_LISTVIEWA, LVS_ICON | LVS_SINGLESEL | LVS_SHAREIMAGELISTS | WS_TABSTOP, WS_EX_CLIENTEDGE};
        case ControlKind::TimePicker: return {DATETIMEPICK_CLASSA, DTS_TIMEFORMAT | DTS_UPDOWN | WS_TABSTOP, 0};
        case ControlKind::DatePicker: return {DATETIMEPICK_CLASSA, DTS_SHORTDATEFORMAT | WS_TABSTOP, 0};
    }
    return {"STATIC", 0, 0};
}

// Radio buttons, check boxes and group boxes keep the classic look, in which
// they take the colours the form gives them.
bool TakesFormColors(ControlKind kind) {
    return kind == ControlKind::RadioButton || kind == ControlKind::CheckBox || kind == ControlKind::GroupBox;
}

}  // namespace

HWND Form::Control(int id) const {
    for (const OwnControl& control : controls_) {
        if (control.Id == id) return control.Handle;
    }
    return nullptr;
}

int Form::GrowthOf(int id) const {
    for (const OwnControl& control : controls_) {
        if (control.Id == id) return std::max(0, static_cast<int>(RectInParent(control.Handle).right) - control.LayoutRight);
    }
    return 0;
}

HWND Form::ParentOf(const ControlSpec& layout) const {
    if (layout.Parent == 0) return Handle();
    HWND panel = Control(layout.Parent);
    return panel != nullptr ? panel : Handle();
}

HWND Form::CreateControl(const ControlSpec& layout, int shift, HWND parent, bool clickable) {
    const ClassAndStyle kind = ClassFor(layout.Kind, clickable, std::strchr(layout.Text, '&') != nullptr);
    // A drop-down list's height includes its list.
    const int height = layout.Kind == ControlKind::ComboList ? layout.Height + 160 : layout.Height;
    // Pictures are loaded after creation; the text of an image names its resource.
    const bool picture = layout.Kind == ControlKind::Image || layout.Kind == ControlKind::Icon;
    // Edges are scaled rather than sizes, so that controls that meet in the layout still meet.
    const int left = Scaled(layout.X);
    const int top = Scaled(layout.Y);
    const DWORD shown = layout.Kind == ControlKind::Name ? 0 : WS_VISIBLE;
    // Every control but a radio button is a group of its own, so that the
    // arrows move within a radio group and never onto a picture or a label.
    const DWORD group = layout.Kind == ControlKind::RadioButton ? 0 : WS_GROUP;
    return CreateWindowExA(kind.ExStyle, kind.ClassName, picture ? "" : layout.Text,
                           WS_CHILD | shown | group | kind.Style | layout.Style, left + shift, top,
                           Scaled(layout.X + layout.Width) - left, Scaled(layout.Y + height) - top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.Id)), GetModuleHandleA(nullptr), nullptr);
}

// A bitmap comes in the version drawn for the screen's scaling where there is
// one, otherwise stretched from the 100 % one; laid out wider than it is
// drawn, it is stretched to its layout's width. An icon is taken from the size
// of its icon file nearest to the control's.
void Form::LoadPicture(const ControlSpec& layout, HWND control) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (layout.Kind == ControlKind::Image) {
        const std::string drawn = std::string(layout.Text) + PictureSuffix();
        HANDLE bitmap = LoadImageA(instance, drawn.c_str(), IMAGE_BITMAP, 0, 0, 0);
        if (bitmap == nullptr) {
            BITMAP size{};
            HANDLE plain = LoadImageA(instance, layout.Text, IMAGE_BITMAP, 0, 0, 0);
            if (plain == nullptr) return;
            GetObjectA(plain, sizeof size, &size);
            DeleteObject(plain);
            bitmap = LoadImageA(instance, layout.Text, IMAGE_BITMAP, Scaled(size.bmWidth), Scaled(size.bmHeight), 0);
        }
        if (bitmap == nullptr) return;
        BITMAP drawnSize{};
        GetObjectA(bitmap, sizeof drawnSize, &drawnSize);
        const int width = Scaled(layout.X + layout.Width) - Scaled(layout.X);
        if (width > drawnSize.bmWidth + 1) {
            HANDLE wider = LoadImageA(instance, layout.Text, IMAGE_BITMAP, width, drawnSize.bmHeight, 0);
            if (wider != nullptr) {
                DeleteObject(bitmap);
                bitmap = wider;
            }
        }
        bitmaps_.push_back({layout.Id, bitmap});
        SendMessageA(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
    } else {
        HANDLE icon = LoadImageA(instance, layout.Text, IMAGE_ICON, Scaled(layout.Width), Scaled(layout.Height), 0);
        if (icon == nullptr) return;
        bitmaps_.push_back({layout.Id, icon});
        SendMessageA(control, STM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
    }
}

HWND Form::AddControl(const ControlSpec& layout, const ControlLook& look) {
    if (Handle() == nullptr) return nullptr;
    const int shift = layout.Follows != 0 ? GrowthOf(layout.Follows) : 0;
    const bool clickable = layout.Kind == ControlKind::Label && look.HandCursor;
    HWND control = CreateControl(layout, shift, ParentOf(layout), clickable);
    if (control == nullptr) return nullptr;
    if (clickable || (layout.Kind == ControlKind::Button && (layout.Style & BS_OWNERDRAW) == BS_OWNERDRAW)) {
        MakeLabelButton(control);
    }
    controls_.push_back({layout.Id, control, Scaled(layout.X + layout.Width) + shift});
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(Font(look.Font)), FALSE);
    if (layout.Kind == ControlKind::Label || TakesFormColors(layout.Kind)) {
        looks_.push_back(std::make_unique<ControlLook>(look));
        looks_.back()->LayoutWidth = Scaled(layout.X + layout.Width) - Scaled(layout.X);
        looks_.back()->Mnemonic = layout.Kind != ControlKind::Label || std::strchr(layout.Text, '&') != nullptr;
        SetWindowLongPtrA(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(looks_.back().get()));
        if (TakesFormColors(layout.Kind)) SetWindowTheme(control, L"", L"");
        if (layout.Kind == ControlKind::GroupBox) KeepGroupCaptionColors(control);
    }
    if (layout.Kind == ControlKind::Panel) SetWindowLongPtrA(control, GWLP_USERDATA, static_cast<LONG_PTR>(look.Back));
    if (layout.Kind == ControlKind::Image || layout.Kind == ControlKind::Icon) LoadPicture(layout, control);
    if (look.Backdrop != 0) ShowBackdrops();
    if (layout.Kind == ControlKind::RadioButton) KeepRadioTabStop(control);
    if (layout.Kind == ControlKind::ListViewReport) {
        ListView_SetExtendedListViewStyle(control, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    }
    if (layout.Kind == ControlKind::Label || layout.Kind == ControlKind::CheckBox ||
        layout.Kind == ControlKind::RadioButton) {
        FitLabel(control);
    }
    return control;
}

void Form::AddControls(const ControlSpec* layouts, std::size_t count, const ControlLook& look) {
    for (std::size_t i = 0; i < count; ++i) AddControl(layouts[i], look);
    // Controls laid out after a label may limit how far it can grow.
    FitLabels();
}

void Form::SetTabOrder(std::initializer_list<int> ids) {
    HWND previous = HWND_TOP;
    for (int id : ids) {
        HWND control = Control(id);
        if (control == nullptr) continue;
        SetWindowPos(control, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = control;
    }
}

void Form::MoveControl(int id, int x, int y) {
    SetWindowPos(Control(id), nullptr, Scaled(x), Scaled(y), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The control's user data points to its look when the form gave it one;
// other windows keep other things there, so only a known look is taken.
ControlLook* Form::FindLook(HWND control) const {
    if (control == nullptr) return nullptr;
    const LONG_PTR data = GetWindowLongPtrA(control, GWLP_USERDATA);
    for (const auto& look : looks_) {
        if (reinterpret_cast<LONG_PTR>(look.get()) == data) return look.get();
    }
    return nullptr;
}

const ControlLook* Form::LookOf(HWND control) const { return FindLook(control); }


}  // namespace corvane
