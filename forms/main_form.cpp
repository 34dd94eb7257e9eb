#include "main_form.h"

#include <commctrl.h>

#include "app_restart.h"
#include "application.h"
#include "conduit_form.h"
#include "controls.h"
#include "data_paths.h"
#include "button_keyboard.h"
#include "icon_win.h"
#include "local_clock.h"
#include "intro_form.h"
#include "product.h"
#include "resource_ids.h"
#include "schedule_form.h"
#include "run_state.h"
#include "sync_check.h"
#include "ui_services.h"
#include "user_form.h"

namespace corvane {
namespace {

constexpr int kClientWidth = 472;
constexpr int kClientHeight = 356;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

using Id = TfrmMain::ControlId;

// From the back to the front.
const ControlSpec kControls[] = {
    {ControlKind::Image, Id::idImgTitleLeft, 0, 41, 25, 24, IDB_TITLE_LEFT},
    {ControlKind::Image, Id::idImgTitleCenter, 23, 41, 100, 24, IDB_TITLE_CENTER},
    {ControlKind::Image, Id::idImgTitleRight, 123, 41, 22, 24, IDB_TITLE_RIGHT},
    {ControlKind::Label, Id::idLblHome, 21, 326, 118, 16, HomePageShown()},
    {ControlKind::Label, Id::idLblStatus, 7, 12, 61, 16, "lblStatus"},
    {ControlKind::Image, Id::idImgClose, 388, 325, 55, 23, IDB_BUTTON},
    {ControlKind::Label, Id::idLblClose, 405, 330, 32, 13, "Close"},
    {ControlKind::Image, Id::idImgHelp, 391, 6, 55, 23, IDB_BUTTON},
    {ControlKind::Label, Id::idLblHelp, 409, 11, 27, 13, "Help"},
    {ControlKind::Panel, Id::idPnlTool, 0, 66, 145, 72},
    {ControlKind::Button, Id::idSbtnCM, 0, 0, 145, 23, "&Conduit Management", Id::idPnlTool, BS_OWNERDRAW},
    {ControlKind::Button, Id::idSbtnUM, 0, 23, 145, 25, "&User Management", Id::idPnlTool, BS_OWNERDRAW},
    {ControlKind::Button, Id::idSbtnSche, 0, 48, 145, 24, "HotSync &Schedule", Id::idPnlTool, BS_OWNERDRAW},
    {ControlKind::Panel, Id::idPnlForm, 172, 34, 288, 282},
};

// The navigation buttons by hover number.
constexpr int kSpeedButtons[] = {Id::idSbtnCM, Id::idSbtnUM, Id::idSbtnSche};

const char* const kStatusCaptions[] = {"Divu Vuri Zor!", "Conduit Management", "User Management",
                                       "Schedule HotSync Task"};

ControlLook LookFor(const ControlSpec& layout) {
    ControlLook look;
    switch (layout.Id) {
        case Id::idLblHome:
            look.HandCursor = true;
            look.Font = FontKind::TitleLink;
            break;
        case Id::idLblStatus:
            look.Font = FontKind::Title;
            break;
        case Id::idLblClose:
            look.HandCursor = true;
            look.Backdrop = Id::idImgClose;
            break;
        case Id::idLblHelp:
            look.HandCursor = true;
            look.Backdrop = Id::idImgHelp;
            break;
        case Id::idSbtnCM:
        case Id::idSbtnUM:
        case Id::idSbtnSche:
            look.Font = FontKind::Normal;
            break;
        default:
            break;
    }
    return look;
}

}  // namespace

TfrmMain::TfrmMain(RunState& run, RunEvents events) : run_(run), runEvents_(std::move(events)) {
    const WindowClass windowClass{kMainFormClass, CS_DBLCLKS, IDI_ICONMAIN};
    CreateTopLevel(windowClass, App().Handle(), kMainCaption, kClientWidth, kClientHeight, kStyle, 0);
    App().SetMainWindow(Handle());
    taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");
    // A second start may run at a lower integrity level than this instance.
    ChangeWindowMessageFilterEx(Handle(), WM_SHOWMAIN, MSGFLT_ALLOW, nullptr);
    instanceMessage_ = RegisterWindowMessageA(kInstanceMessage);
    ChangeWindowMessageFilterEx(Handle(), instanceMessage_, MSGFLT_ALLOW, nullptr);
    AddLaidOutControls();
    // Reminders come from start-up on, whichever page is open.
    FSync = std::make_unique<SyncCheck>(Handle(), ProcessStartTime(), run_);
    FSync->SetSchedulesMoved([this] { SchedulesMoved(); });
    // Schedules read late (the file was unreadable) may fall due sooner: the page shows them, the timer is armed anew.
    run_.Saver.SetSchedulesReread([this] {
        SchedulesMoved();
        PostMessageA(Handle(), SyncCheck::kCheckNow, 0, 0);
    });
    FormCreate();
}

TfrmMain::~TfrmMain() {
    // Destroyed here, while this class still handles its messages: WM_DESTROY runs FormDestroy.
    if (Handle() != nullptr) DestroyWindow(Handle());
    if (App().MainWindow() != nullptr && !IsWindow(App().MainWindow())) App().SetMainWindow(nullptr);
}

void TfrmMain::AddLaidOutControls() {
    for (const ControlSpec& layout : kControls) AddControl(layout, LookFor(layout));
    // Reading order: Help, the page buttons, the page after its name, the home link, Close.
    SetTabOrder({Id::idImgHelp, Id::idLblHelp, Id::idPnlTool, Id::idLblStatus, Id::idPnlForm, Id::idLblHome,
                 Id::idImgClose, Id::idLblClose});
}

void TfrmMain::FormCreate() {
    SetBackColor(kPageColor);
    FIntro.reset();
    FCM.reset();
    FUM.reset();
    FSche.reset();
    const int32_t start = run_.Options.ShowHelp == 1 ? pgIntro : run_.Options.FormIndex;
    FPageIndex = start;
    // A window that starts hidden (every start but the first) makes its start
    // page when it is first shown, so that a start at log-on does no more than
    // it must; the page's name and number are in place at once. The schedule
    // page is made at once all the same: opening it gives the first user a
    // schedule, and so a reminder.
    if (start == pgSchedule) OpenStartPage();
    if (run_.Options.Hide == 0) {
        run_.Options.Hide = 1;
        run_.Saver.DataChanged();
        ShowMain();
    }
    if (!startPageMade_ && start >= pgIntro && start <= pgSchedule) SetStatus(start, false);
    AddTrayIcon();
}

void TfrmMain::OpenStartPage() {
    startPageMade_ = true;
    if (FPageIndex == pgIntro) ShowIntroPage(false);
    if (FPageIndex >= pgConduits && FPageIndex <= pgSchedule) OpenPage(FPageIndex, false);
}

void TfrmMain::FormDestroy() {
    // Its session notifications end while the window still exists.
    FSync.reset();
    run_.Saver.SetSchedulesReread(nullptr);
    if (run_.Lists.Users) UserListFree(run_.Lists.Users, run_.Palm);
    RemoveTrayIcon();
}

void TfrmMain::AddTrayIcon() {
    if (!run_.TrayIcon) return;
    run_.TrayIcon->SetMainForm(this);
    run_.TrayIcon->CreateIconWindow();
    run_.TrayIcon->AddIcon();
}

void TfrmMain::RemoveTrayIcon() {
    if (!run_.TrayIcon) return;
    run_.TrayIcon->RemoveIcon();
    run_.TrayIcon->SetMainForm(nullptr);
}

Form* TfrmMain::PageWindow(int32_t page) const {
    switch (page) {
        case pgIntro: return FIntro.get();
        case pgConduits: return FCM.get();
        case pgUsers: return FUM.get();
        case pgSchedule: return FSche.get();
        default: return nullptr;
    }
}

void TfrmMain::CreatePageWindow(int32_t page) {
    HWND host = Control(Id::idPnlForm);
    if (page == pgIntro) FIntro = std::make_unique<TfrmIntro>(host, run_);
    if (page == pgConduits) FCM = std::make_unique<TfrmCM>(host, run_);
    if (page == pgUsers) {
        FUM = std::make_unique<TfrmUM>(host, run_);
        FUM->SetUsersChangedHandler([this] { UsersChanged(); });
    }
    if (page == pgSchedule) FSche = std::make_unique<TfrmSche>(host, run_);
    Form* created = PageWindow(page);
    if (created == nullptr) return;
    // Screen readers name a page by its title.
    SetWindowTextA(created->Handle(), kStatusCaptions[page]);
    // Each page fills the panel.
    RECT area;
    GetClientRect(host, &area);
    SetWindowPos(created->Handle(), nullptr, 0, 0, area.right, area.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
    ShowControl(created->Handle(), true);
}

void TfrmMain::OpenPage(int32_t page, bool byPerson) {
    startPageMade_ = true;
    if (PageWindow(page) == nullptr) CreatePageWindow(page);
    ShowPage(page);
    SetStatus(page, byPerson);
}

// The focus goes with the page on view, never stays on a hidden one: to its
// first control now, or when the window is next shown.
void TfrmMain::ShowPage(int32_t page) {
    for (int32_t number = pgIntro; number <= pgSchedule; ++number) {
        if (Form* window = PageWindow(number)) ShowControl(window->Handle(), number == page);
    }
    pageFocusPending_ = true;
    if (Visible()) FocusPage();
}

void TfrmMain::FocusPage() {
    pageFocusPending_ = false;
    if (Form* shown = PageWindow(FPageIndex)) shown->FocusFirstControl();
}

void TfrmMain::SetStatus(int32_t page, bool byPerson) {
    const bool known = page >= pgIntro && page <= pgSchedule;
    SetLabelText(Id::idLblStatus, known ? kStatusCaptions[page] : "");
    FPageIndex = page;
    if (byPerson) {
        run_.PersonSet(&TOptions::FormIndex, page);
    } else {
        run_.Options.FormIndex = page;
        run_.Saver.DataChanged();
    }
}

void TfrmMain::UsersChanged() {
    if (FCM) FCM->UsersChanged();
    if (FSche) FSche->UsersChanged();
}

void TfrmMain::SchedulesMoved() {
    if (FSche) FSche->cbxUserChange();
}

void TfrmMain::ShowIntroPage(bool byPerson) {
    startPageMade_ = true;
    if (!FIntro) CreatePageWindow(pgIntro);
    ShowPage(pgIntro);
    SetStatus(pgIntro, byPerson);
}

void TfrmMain::sbtnCMClick() { OpenPage(pgConduits); }

void TfrmMain::sbtnUMClick() { OpenPage(pgUsers); }

void TfrmMain::sbtnScheClick() { OpenPage(pgSchedule); }

void TfrmMain::HighlightButton(int button) {
    for (int number = 0; number < 3; ++number) {
        const COLORREF color = number == button ? kHoverColor : kButtonColor;
        if (FButtonColors[number] == color) continue;
        FButtonColors[number] = color;
        InvalidateRect(Control(kSpeedButtons[number]), nullptr, FALSE);
    }
    if (FIntro && IsShown(FIntro->Handle())) FIntro->HighlightSection(button);
}

COLORREF TfrmMain::ButtonCaptionColor(int button) const {
    return button >= 0 && button < 3 ? FButtonColors[button] : kButtonColor;
}

int TfrmMain::SpeedButtonNumber(HWND control) const {
    for (int number = 0; number < 3; ++number) {
        if (control != nullptr && control == Control(kSpeedButtons[number])) return number;
    }
    return -1;
}

bool TfrmMain::DrawSpeedButton(const DRAWITEMSTRUCT& item) const {
    const int number = SpeedButtonNumber(item.hwndItem);
    if (number < 0) return false;
    RECT area = item.rcItem;
    const bool pushed = (item.itemState & ODS_SELECTED) != 0;
    DrawFrameControl(item.hDC, &area, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0u));
    if (pushed) OffsetRect(&area, 1, 1);
    char caption[64] = "";
    GetWindowTextA(item.hwndItem, caption, sizeof caption);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, ThemeColor(FButtonColors[number], COLOR_BTNTEXT));
    HGDIOBJ previous = SelectObject(item.hDC, Font(FontKind::Normal));
    DrawTextA(item.hDC, caption, -1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE | PrefixFlags(item.hwndItem, true));
    SelectObject(item.hDC, previous);
    if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -3, -3);
        SetTextColor(item.hDC, GetSysColor(COLOR_BTNTEXT));
        DrawFocusRect(item.hDC, &focus);
    }
    return true;
}

void TfrmMain::lblCloseClick() { HideMain(); }

void TfrmMain::lblHelpClick() {
    WidePath path;
    if (GetDataFilePath(dfHelp, &path) != 0) Ui().OpenFile(Handle(), path);
}

void TfrmMain::lblHomeClick() { Ui().ShellOpen(Handle(), kHomePage); }

void TfrmMain::HideMain() {
    SetVisible(false);
    App().HideTaskbarEntry();
}

void TfrmMain::ShowMain() {
    SetVisible(true);
    App().ShowTaskbarEntry();
}

void TfrmMain::BringForward() {
    ShowMain();
    SetForegroundWindow(App().Handle());
    SetForegroundWindow(Handle());
    if (pageFocusPending_) FocusPage();
    if (!IsChild(Handle(), GetFocus())) FocusFirstControl();
}

bool TfrmMain::Visible() const { return IsWindowVisible(Handle()) != FALSE; }

void TfrmMain::SetVisible(bool visible) {
    if (visible && !startPageMade_) OpenStartPage();
    ShowWindow(Handle(), visible ? SW_SHOW : SW_HIDE);
    if (visible && pageFocusPending_) FocusPage();
}

void TfrmMain::Close() { SendMessageA(Handle(), WM_CLOSE, 0, 0); }

// Esc hides the window, as Close does.
void TfrmMain::OnCancel() { HideMain(); }

void TfrmMain::OnClose() {
    ending_ = true;
    // Closing always ends the program, once every nested message loop has returned.
    if (App().MayClose(Handle())) App().Terminate();
}

void TfrmMain::OnTimer(UINT_PTR id) {
    if (id == SyncCheck::kSyncTimer) FSync->tmSyncTimer();
}

LRESULT TfrmMain::OnPowerBroadcast(WPARAM event) {
    if (event == PBT_APMSUSPEND && runEvents_.Suspending) runEvents_.Suspending();
    // A file that could not be read before sleep may be back.
    if (event == PBT_APMRESUMEAUTOMATIC || event == PBT_APMRESUMESUSPEND) run_.Saver.DataChanged();
    // What fell due during sleep reminds once a person is back.
    FSync->PowerChanged(event);
    return TRUE;
}

// Another Corvane, its installer or a script asks who this is; a second start
// also asks to be shown. The answer goes back before the window shows.
LRESULT TfrmMain::AnswerInstanceMessage(WPARAM request) {
    if (ending_) return kAnswerEnding;
    if (request == irShow) {
        ReplyMessage(kAnswerRunning);
        BringForward();
    }
    return kAnswerRunning;
}

void TfrmMain::OnCommand(int id, int code, HWND) {
    if (code == STN_CLICKED && id == Id::idLblHome) lblHomeClick();
    if (code == STN_CLICKED && id == Id::idLblClose) lblCloseClick();
    if (code == STN_CLICKED && id == Id::idLblHelp) lblHelpClick();
    if (code == BN_CLICKED && id == Id::idSbtnCM) sbtnCMClick();
    if (code == BN_CLICKED && id == Id::idSbtnUM) sbtnUMClick();
    if (code == BN_CLICKED && id == Id::idSbtnSche) sbtnScheClick();
}

LRESULT TfrmMain::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == taskbarCreated_ && message != 0) {
        // The task bar has restarted and forgotten the icon.
        if (run_.TrayIcon) run_.TrayIcon->AddIcon();
        return 0;
    }
    if (message == instanceMessage_ && message != 0) return AnswerInstanceMessage(wParam);
    switch (message) {
        case WM_POWERBROADCAST:
            return OnPowerBroadcast(wParam);
        case SyncCheck::kCheckNow:
            FSync->CheckSchedules();
            return 0;
        case WM_WTSSESSION_CHANGE:
            FSync->SessionChanged(wParam);
            return 0;
        case WM_TIMECHANGE:
            FSync->TimeChanged();
            return 0;
        case WM_HIDEMAIN:
            HideMain();
            return 0;
        case WM_SHOWMAIN:
            BringForward();
            return 0;
        case WM_QUERYENDSESSION:
            // Windows starts the program again only after the Restart Manager closed it for an installer.
            SetRestartAfterUpdate((lParam & ENDSESSION_CLOSEAPP) != 0);
            return TRUE;
        case WM_ENDSESSION:
            if (wParam == FALSE) SetRestartAfterUpdate(true);  // the session goes on
            if (wParam != FALSE && runEvents_.SessionEnding) runEvents_.SessionEnding();
            return 0;
        case WM_MOUSEMOVE:
            HighlightButton(kNoButton);
            return 0;
        case WM_DRAWITEM:
            if (DrawSpeedButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
            break;
        case WM_SETCURSOR: {
            // The mouse over a page button lights it.
            const int number = SpeedButtonNumber(reinterpret_cast<HWND>(wParam));
            if (number < 0) break;
            if (HIWORD(lParam) == WM_MOUSEMOVE) HighlightButton(number);
            SetCursor(LoadCursor(nullptr, IDC_HAND));
            return TRUE;
        }
        case WM_DESTROY:
            FormDestroy();
            break;
        default:
            break;
    }
    return Form::HandleMessage(message, wParam, lParam);
}

}  // namespace corvane
