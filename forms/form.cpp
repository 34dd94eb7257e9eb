#include "form.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <algorithm>

namespace corvane {
namespace {

constexpr char kPanelClass[] = "CorvanePanel";

// A panel paints itself in its colour (kept in its user data) and passes the
// notifications of the controls it holds on to its own parent, the form.
LRESULT CALLBACK PanelProcedure(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND: {
            RECT area;
            GetClientRect(panel, &area);
            FillRect(reinterpret_cast<HDC>(wParam), &area,
                     SolidBrush(static_cast<COLORREF>(GetWindowLongPtrA(panel, GWLP_USERDATA))));
            return 1;
        }
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_DRAWITEM:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
            return SendMessageA(GetParent(panel), message, wParam, lParam);
        default:
            return DefWindowProcA(panel, message, wParam, lParam);
    }
}

void RegisterPanelClass() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA panelClass{};
    if (GetClassInfoA(instance, kPanelClass, &panelClass)) return;
    panelClass.lpfnWndProc = PanelProcedure;
    panelClass.hInstance = instance;
    panelClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    panelClass.lpszClassName = kPanelClass;
    RegisterClassA(&panelClass);
}

void InitCommonControlsOnce() {
    static bool done = false;
    if (done) return;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_DATE_CLASSES};
    InitCommonControlsEx(&controls);
    RegisterPanelClass();
    done = true;
}

struct ClassAndStyle {
    const char* ClassName;
    DWORD Style;
    DWORD ExStyle;
};

ClassAndStyle ClassFor(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label: return {"STATIC", SS_OWNERDRAW | SS_NOTIFY, 0};
        case ControlKind::Image: return {"STATIC", SS_BITMAP, 0};
        case ControlKind::Panel: return {kPanelClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
        case ControlKind::GroupBox: return {"BUTTON", BS_GROUPBOX, 0};
        case ControlKind::Button: return {"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
        case ControlKind::RadioButton: return {"BUTTON", BS_AUTORADIOBUTTON, 0};
        case ControlKind::CheckBox: return {"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0};
        case ControlKind::ComboList: return {"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0};
        case ControlKind::Edit: return {"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
        case ControlKind::ListBox: return {"LISTBOX", LBS_NOTIFY | WS_VSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
        case ControlKind::ListViewReport:
            return {WC_LISTVIEWA, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP, WS_EX_CLIENTEDGE};
        case ControlKind::ListViewIcons: return {WC_LISTVIEWA, LVS_ICON | LVS_SINGLESEL, WS_EX_CLIENTEDGE};
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

struct ControlSearch {
    int Id;
    HWND Found;
};

BOOL CALLBACK FindControl(HWND child, LPARAM data) {
    auto* search = reinterpret_cast<ControlSearch*>(data);
    if (GetDlgCtrlID(child) != search->Id) return TRUE;
    search->Found = child;
    return FALSE;
}

}  // namespace

Form::~Form() {
    if (Handle() != nullptr) DestroyWindow(Handle());
    for (const Bitmap& bitmap : bitmaps_) DeleteObject(bitmap.Handle);
}

bool Form::CreatePage(const char* className, HWND host, int width, int height) {
    InitCommonControlsOnce();
    // No WS_CLIPCHILDREN: group boxes paint no interior, so the page paints under them.
    return CreateWindowOf(className, WS_EX_CONTROLPARENT, WS_CHILD, "", 0, 0, width, height, host);
}

bool Form::CreateDialogWindow(const char* className, HWND owner, const char* caption, int clientWidth,
                              int clientHeight) {
    InitCommonControlsOnce();
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
    RECT frame{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    HWND topLevel = owner != nullptr ? GetAncestor(owner, GA_ROOT) : nullptr;
    return CreateWindowOf(className, exStyle, style, caption, x, y, width, height, topLevel);
}

HWND Form::Control(int id) const {
    // Controls in panels are not the form's direct children, so search the whole tree.
    ControlSearch search{id, nullptr};
    EnumChildWindows(Handle(), FindControl, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

HWND Form::ParentOf(const ControlSpec& layout) const {
    if (layout.Parent == 0) return Handle();
    HWND panel = Control(layout.Parent);
    return panel != nullptr ? panel : Handle();
}

HWND Form::CreateControl(const ControlSpec& layout, HWND parent) {
    const ClassAndStyle kind = ClassFor(layout.Kind);
    // A drop-down list's height includes its list.
    const int height = layout.Kind == ControlKind::ComboList ? layout.Height + 160 : layout.Height;
    return CreateWindowExA(kind.ExStyle, kind.ClassName, layout.Text, WS_CHILD | WS_VISIBLE | kind.Style | layout.Style,
                           layout.X, layout.Y, layout.Width, height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.Id)), GetModuleHandleA(nullptr), nullptr);
}

HWND Form::AddControl(const ControlSpec& layout, const ControlLook& look) {
    HWND control = CreateControl(layout, ParentOf(layout));
    if (control == nullptr) return nullptr;
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(Font(look.Font)), FALSE);
    if (layout.Kind == ControlKind::Label || TakesFormColors(layout.Kind)) {
        looks_.push_back(std::make_unique<ControlLook>(look));
        SetWindowLongPtrA(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(looks_.back().get()));
        if (TakesFormColors(layout.Kind)) SetWindowTheme(control, L"", L"");
    }
    if (layout.Kind == ControlKind::Panel) SetWindowLongPtrA(control, GWLP_USERDATA, static_cast<LONG_PTR>(look.Back));
    if (layout.Kind == ControlKind::Image) {
        // The image's text names its bitmap resource.
        auto bitmap = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), layout.Text, IMAGE_BITMAP, 0, 0, 0));
        if (bitmap != nullptr) {
            bitmaps_.push_back({layout.Id, bitmap});
            SendMessageA(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
        }
    }
    if (layout.Kind == ControlKind::ListViewReport) {
        ListView_SetExtendedListViewStyle(control, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    }
    return control;
}

void Form::AddControls(const ControlSpec* layouts, std::size_t count, const ControlLook& look) {
    for (std::size_t i = 0; i < count; ++i) AddControl(layouts[i], look);
}

void Form::SetLabelText(int id, const char* text) {
    HWND label = Control(id);
    if (label == nullptr) return;
    SetWindowTextA(label, text);
    InvalidateRect(label, nullptr, FALSE);
}

void Form::SetBackColor(COLORREF color) {
    backColor_ = color;
    if (Handle() != nullptr) InvalidateRect(Handle(), nullptr, TRUE);
}

void Form::SetClientHeight(int height) {
    RECT client;
    GetClientRect(Handle(), &client);
    RECT frame{0, 0, client.right, height};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_EXSTYLE)));
    SetWindowPos(Handle(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int Form::ShowModal() {
    HWND owner = GetWindow(Handle(), GW_OWNER);
    const bool ownerWasEnabled = owner != nullptr && IsWindowEnabled(owner);
    if (ownerWasEnabled) EnableWindow(owner, FALSE);
    modal_ = true;
    modalResult_ = mrNone;
    ShowWindow(Handle(), SW_SHOW);
    Ui().ModalLoopStarted(Handle());
    MSG message;
    while (modalResult_ == mrNone && Handle() != nullptr) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got <= 0) {
            PostQuitMessage(static_cast<int>(message.wParam));  // leave the quit to the outer loop
            break;
        }
        if (!IsDialogMessageA(Handle(), &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    if (ownerWasEnabled) EnableWindow(owner, TRUE);
    if (Handle() != nullptr) ShowWindow(Handle(), SW_HIDE);
    modal_ = false;
    return modalResult_ == mrNone ? mrCancel : modalResult_;
}

void Form::StartTimer(UINT_PTR id, UINT milliseconds) {
    SetTimer(Handle(), id, milliseconds, nullptr);
    if (!TimerRunning(id)) timers_.push_back(id);
}

void Form::StopTimer(UINT_PTR id) {
    KillTimer(Handle(), id);
    timers_.erase(std::remove(timers_.begin(), timers_.end(), id), timers_.end());
}

bool Form::TimerRunning(UINT_PTR id) const { return std::find(timers_.begin(), timers_.end(), id) != timers_.end(); }

void Form::OnCommand(int, int, HWND) {}

LRESULT Form::OnNotify(NMHDR*) { return 0; }

void Form::OnTimer(UINT_PTR) {}

void Form::OnClose() {
    if (modal_) {
        EndModal(mrCancel);
    } else {
        DestroyWindow(Handle());
    }
}

const ControlLook* Form::LookOf(HWND control) const {
    // The control's user data points to its look when the form gave it one;
    // other windows keep other things there, so only a known look is taken.
    const LONG_PTR data = GetWindowLongPtrA(control, GWLP_USERDATA);
    for (const auto& look : looks_) {
        if (reinterpret_cast<LONG_PTR>(look.get()) == data) return look.get();
    }
    return nullptr;
}

HBITMAP Form::BitmapOf(int imageId) const {
    for (const Bitmap& bitmap : bitmaps_) {
        if (bitmap.Id == imageId) return bitmap.Handle;
    }
    return nullptr;
}

void Form::DrawLabel(const DRAWITEMSTRUCT& item) const {
    const ControlLook* look = LookOf(item.hwndItem);
    if (look == nullptr) return;
    HDC dc = item.hDC;
    RECT area = item.rcItem;
    HBITMAP backdrop = look->Backdrop != 0 ? BitmapOf(look->Backdrop) : nullptr;
    HWND image = look->Backdrop != 0 ? Control(look->Backdrop) : nullptr;
    if (backdrop != nullptr && image != nullptr && (GetWindowLongPtrA(image, GWL_STYLE) & WS_VISIBLE) != 0) {
        // The part of the image that lies under the label.
        RECT imageRect;
        RECT labelRect;
        GetWindowRect(image, &imageRect);
        GetWindowRect(item.hwndItem, &labelRect);
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ previous = SelectObject(source, backdrop);
        BitBlt(dc, 0, 0, area.right, area.bottom, source, labelRect.left - imageRect.left, labelRect.top - imageRect.top,
               SRCCOPY);
        SelectObject(source, previous);
        DeleteDC(source);
    } else {
        FillRect(dc, &area, SolidBrush(look->Back));
    }
    char text[256];
    GetWindowTextA(item.hwndItem, text, sizeof text);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, look->Text);
    HGDIOBJ previousFont = SelectObject(dc, Font(look->Font));
    DrawTextA(dc, text, -1, &area, look->Align | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, previousFont);
}

LRESULT Form::ColorStatic(HDC dc, HWND control) {
    const ControlLook* look = LookOf(control);
    if (look == nullptr) return DefWindowProcA(Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                               reinterpret_cast<LPARAM>(control));
    SetTextColor(dc, look->Text);
    SetBkColor(dc, look->Back);
    return reinterpret_cast<LRESULT>(SolidBrush(look->Back));
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND: {
            RECT area;
            GetClientRect(Handle(), &area);
            FillRect(reinterpret_cast<HDC>(wParam), &area, SolidBrush(backColor_));
            return 1;
        }
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_NOTIFY:
            return OnNotify(reinterpret_cast<NMHDR*>(lParam));
        case WM_TIMER:
            OnTimer(static_cast<UINT_PTR>(wParam));
            return 0;
        case WM_DRAWITEM:
            DrawLabel(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return ColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_SETCURSOR: {
            const ControlLook* look = LookOf(reinterpret_cast<HWND>(wParam));
            if (look != nullptr && look->HandCursor) {
                SetCursor(LoadCursor(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        }
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_DESTROY:
            for (UINT_PTR id : timers_) KillTimer(Handle(), id);
            timers_.clear();
            break;
        default:
            break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace corvane
