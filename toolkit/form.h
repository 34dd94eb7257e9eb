// A window laid out from a table of controls: pages (borderless children that
// fill a host), dialogs (fixed size, a close box, centred, shown modally) and
// other top-level windows. Every form is run by the system's dialog manager
// (Tab, arrows, mnemonics, Enter, Esc, the default button, the focus kept
// across deactivation); the form adds what the dialog manager does not do:
// it paints its labels, colours its radio buttons, check boxes and group boxes
// (in the system's colours under high contrast), makes clickable labels
// owner-drawn buttons with a hand cursor, runs its timers, and hands control
// events to the virtual handlers a window overrides. Every layout value a form
// is given (places, sizes, client areas) is in pixels at 96 DPI: the form
// scales them to the screen (dpi.h).
#pragma once

#include <windows.h>

#include <initializer_list>
#include <memory>
#include <vector>

#include "look.h"
#include "ui_services.h"
#include "window.h"

namespace corvane {

enum class ControlKind {
    Label,          // owner-drawn text; with a hand cursor, an owner-drawn push button that looks the same
    Name,           // a label never shown: screen readers name the control after it by it
    Image,          // a bitmap resource
    Icon,           // an icon resource, drawn at the control's size
    Panel,          // a plain area of its own colour that holds controls
    GroupBox,
    Button,
    RadioButton,    // the first of a group carries WS_GROUP; every other kind starts a group of its own
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
    int Id;          // 10 and up: 1 and 2 are the keyboard's Enter and Esc commands
    int X, Y, Width, Height;
    const char* Text = "";
    int Parent = 0;  // the id of the panel that holds it; 0: the form itself
    DWORD Style = 0;  // styles beyond the kind's own
    // The id of a control before it on its line, added earlier: when that one
    // has grown to the right (or moved) for its text, this one moves as far.
    int Follows = 0;
};

// How a label or a coloured button-like control looks.
struct ControlLook {
    COLORREF Text = kLabelTextColor;
    COLORREF Back = kPageColor;
    FontKind Font = FontKind::Bold;
    bool HandCursor = false;
    UINT Align = DT_LEFT;
    int Backdrop = 0;  // a label over an image: the image's id; its bitmap is painted behind the text
    bool Wrap = false;  // a paragraph: the text wraps at spaces over the label's lines
    bool Mnemonic = false;  // set by the form: the layout's text marks a mnemonic with '&'
    int LayoutLeft = -1;  // set by the form: the label's place and width as laid out, before it is fitted to its text
    int LayoutWidth = 0;
};

class Form : public Window {
public:
    enum ModalResult { mrNone = 0, mrOk = 1, mrCancel = 2 };

    ~Form() override;

    // A borderless child page of `host` at its top left, `width` by `height`,
    // or filling `host`'s client area when no size is given.
    bool CreatePage(const char* className, HWND host, int width = 0, int height = 0);
    // A fixed-size dialog with a close box, owned by the top-level window of
    // `owner`, centred on the screen, hidden until shown.
    bool CreateDialogWindow(const char* className, HWND owner, const char* caption, int clientWidth, int clientHeight,
                            DWORD extraExStyle = 0);
    // A top-level window of `clientWidth` by `clientHeight` with `style`,
    // owned by `owner` (null: none), centred on the screen, hidden until shown.
    bool CreateTopLevel(const WindowClass& windowClass, HWND owner, const char* caption, int clientWidth,
                        int clientHeight, DWORD style, DWORD exStyle);

    bool Created() const { return Handle() != nullptr; }

    // A control of this form (never one of another form hosted in it); null when none has the id.
    HWND Control(int id) const;
    HWND AddControl(const ControlSpec& layout, const ControlLook& look = {});
    void AddControls(const ControlSpec* layouts, std::size_t count, const ControlLook& look = {});
    // Places the controls in this keyboard (Tab) order, before all others of their parent.
    void SetTabOrder(std::initializer_list<int> ids);
    // A label's text; the label is fitted to it and painted anew.
    void SetLabelText(int id, const char* text);
    // A label's text colour; the label is painted anew.
    void SetLabelColor(int id, COLORREF color);
    const ControlLook* LookOf(HWND control) const;
    void SetBackColor(COLORREF color);
    COLORREF BackColor() const { return backColor_; }

    // Resizes the form's client area height, keeping its width and place.
    void SetClientHeight(int height);
    // Moves a control to `x`, `y` of its parent, keeping its size.
    void MoveControl(int id, int x, int y);

    // Shows the form modally: every other enabled top-level window of the
    // thread is disabled until it ends, and the application's task-bar entry
    // shows meanwhile. Returns the modal result (mrCancel when none was set).
    int ShowModal();
    void EndModal(int result) { modalResult_ = result; }
    int ModalResult() const { return modalResult_; }

    // Gives the keyboard focus to the first control (the initial one, else the first in Tab order).
    void FocusFirstControl();

    // The control that has the focus first when the form is shown (0: the first in Tab order).
    void SetInitialFocus(int id) { initialFocusId_ = id; }
    // The control Enter presses unless the focus is on another button (0: none).
    void SetDefaultControl(int id);
    // Whether `control` is the one Enter presses.
    bool IsDefaultControl(HWND control) const;
    // The control Esc presses (0: none; Esc then acts as the close box).
    void SetCancelControl(int id) { cancelId_ = id; }
    // The text screen readers read when the form opens, beside its title.
    void SetDescription(int labelId) { descriptionId_ = labelId; }

    // Repaints the form and its pages in the colours of the current theme.
    void ApplyColors();

    // False when the system has no timer left to give.
    bool StartTimer(UINT_PTR id, UINT milliseconds);
    void StopTimer(UINT_PTR id);
    bool TimerRunning(UINT_PTR id) const;

protected:
    virtual void OnCommand(int id, int code, HWND control);
    virtual LRESULT OnNotify(NMHDR* header);
    virtual void OnTimer(UINT_PTR id);
    // The close box: a modal form ends with mrCancel; any other is destroyed
    // (later, when a nested message loop still runs).
    virtual void OnClose();
    // Esc: presses the cancel control, or acts as the close box.
    virtual void OnCancel();

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    struct Bitmap {
        int Id;
        HGDIOBJ Handle;
    };
    struct OwnControl {
        int Id;
        HWND Handle;
        int LayoutRight;  // the right edge the layout gave it
    };

    // Controls made from the layout (form_controls.cpp), labels fitted to
    // their texts (form_labels.cpp), painting and colours (form_paint.cpp).
    HWND ParentOf(const ControlSpec& layout) const;
    // How far a control's right edge now lies right of where its layout put it.
    int GrowthOf(int id) const;
    // `shift`: screen pixels to the right of its layout place.
    HWND CreateControl(const ControlSpec& layout, int shift, HWND parent, bool clickable);
    void LoadPicture(const ControlSpec& layout, HWND control);
    void FitLabel(HWND label);
    int RoomToTheRight(HWND label, const RECT& own) const;
    ControlLook* FindLook(HWND control) const;
    void FitLabels();
    void DrawLabel(const DRAWITEMSTRUCT& item) const;
    bool DrawBackdrop(const DRAWITEMSTRUCT& item, const ControlLook& look) const;
    HGDIOBJ BitmapOf(int imageId) const;
    LRESULT ColorStatic(HDC dc, HWND control);
    void KeepGroupCaptionColors(HWND groupBox);
    void PaintGroupCaption(HWND groupBox) const;
    static LRESULT CALLBACK GroupBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                              DWORD_PTR form);
    void EraseBackground(HDC dc) const;
    void ShowBackdrops();
    bool DrawPictureButtonState(const DRAWITEMSTRUCT& item, const ControlLook& look) const;
    bool ForwardToPage(int id, HWND control);
    void Dispatch(int id, int code, HWND control);
    void Press(int id);
    void AnnounceDescription() const;

    std::vector<OwnControl> controls_;
    std::vector<std::unique_ptr<ControlLook>> looks_;
    std::vector<Bitmap> bitmaps_;
    std::vector<HWND> hiddenBackdrops_;  // pictures hidden for high contrast
    std::vector<UINT_PTR> timers_;
    int initialFocusId_ = 0;
    int cancelId_ = 0;
    int descriptionId_ = 0;
    COLORREF backColor_ = GetSysColor(COLOR_BTNFACE);
    int modalResult_ = mrNone;
    bool modal_ = false;
};

}  // namespace corvane
