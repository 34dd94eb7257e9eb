// A window laid out from a table of controls: pages (borderless children that
// fill a host) and dialogs (fixed size, a close box, centred, shown modally).
// The form paints its labels, colours its radio buttons, check boxes and group
// boxes, gives clickable labels a hand cursor, runs its timers, and hands
// control events to the virtual handlers a window overrides.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "look.h"
#include "ui_services.h"
#include "window.h"

namespace corvane {

enum class ControlKind {
    Label,          // owner-drawn text; clickable when it has a hand cursor
    Image,          // a bitmap resource
    Panel,          // a plain area of its own colour that holds controls
    GroupBox,
    Button,
    RadioButton,
    CheckBox,
    ComboList,      // a drop-down list to pick from
    Edit,
    ListBox,
    ListViewReport,  // details with check boxes and whole-row selection
    ListViewIcons,   // large icons
    TimePicker,      // time only, with arrows
    DatePicker,      // short date with a drop-down calendar
};

struct ControlSpec {
    ControlKind Kind;
    int Id;
    int X, Y, Width, Height;
    const char* Text = "";
    int Parent = 0;  // the id of the panel that holds it; 0: the form itself
    DWORD Style = 0;  // styles beyond the kind's own
};

// How a label or a coloured button-like control looks.
struct ControlLook {
    COLORREF Text = kLabelTextColor;
    COLORREF Back = kPageColor;
    FontKind Font = FontKind::Bold;
    bool HandCursor = false;
    UINT Align = DT_LEFT;
    int Backdrop = 0;  // a label over an image: the image's id; its bitmap is painted behind the text
};

class Form : public Window {
public:
    enum ModalResult { mrNone = 0, mrOk = 1, mrCancel = 2 };

    ~Form() override;

    // A borderless child page of `host`, `width` by `height`, at its top left.
    bool CreatePage(const char* className, HWND host, int width, int height);
    // A fixed-size dialog with a close box, owned by the top-level window of
    // `owner`, centred on the screen, hidden until shown.
    bool CreateDialogWindow(const char* className, HWND owner, const char* caption, int clientWidth, int clientHeight);

    HWND Control(int id) const;
    HWND AddControl(const ControlSpec& layout, const ControlLook& look = {});
    void AddControls(const ControlSpec* layouts, std::size_t count, const ControlLook& look = {});
    // A label's text; the label is painted anew.
    void SetLabelText(int id, const char* text);
    void SetBackColor(COLORREF color);
    COLORREF BackColor() const { return backColor_; }

    // Resizes the form's client area height, keeping its width and place.
    void SetClientHeight(int height);

    // Shows the form modally over its owner; returns its modal result.
    int ShowModal();
    void EndModal(int result) { modalResult_ = result; }
    int ModalResult() const { return modalResult_; }
    bool IsModal() const { return modal_; }

    void StartTimer(UINT_PTR id, UINT milliseconds);
    void StopTimer(UINT_PTR id);
    bool TimerRunning(UINT_PTR id) const;

protected:
    virtual void OnCommand(int id, int code, HWND control);
    virtual LRESULT OnNotify(NMHDR* header);
    virtual void OnTimer(UINT_PTR id);
    // The close box: a modal form ends with mrCancel; any other is destroyed.
    virtual void OnClose();

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    struct Bitmap {
        int Id;
        HBITMAP Handle;
    };

    HWND ParentOf(const ControlSpec& layout) const;
    HWND CreateControl(const ControlSpec& layout, HWND parent);
    void DrawLabel(const DRAWITEMSTRUCT& item) const;
    HBITMAP BitmapOf(int imageId) const;
    const ControlLook* LookOf(HWND control) const;
    LRESULT ColorStatic(HDC dc, HWND control);

    std::vector<std::unique_ptr<ControlLook>> looks_;
    std::vector<Bitmap> bitmaps_;
    std::vector<UINT_PTR> timers_;
    COLORREF backColor_ = GetSysColor(COLOR_BTNFACE);
    int modalResult_ = mrNone;
    bool modal_ = false;
};

}  // namespace corvane
