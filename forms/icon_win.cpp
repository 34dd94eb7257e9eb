#include "icon_win.h"

#include <shellapi.h>
#include <windowsx.h>

#include <cstdio>

#include "about_form.h"
#include "application.h"
#include "main_form.h"
#include "popup_menu.h"
#include "resource_ids.h"

namespace corvane {

// The i686 build, the one users run, hands the shell and the menu the 32-bit forms of these structures.
#if !defined(_WIN64)
static_assert(sizeof(NOTIFYICONDATAA) == 508, "the notify-icon structure is 508 bytes");
static_assert(sizeof(MENUITEMINFOA) == 48, "the menu item structure is 48 bytes");
#endif

namespace {

constexpr WindowClass kIconWinClass = {kIconWinClassName, CS_HREDRAW | CS_VREDRAW, nullptr, nullptr, 4};

constexpr UINT_PTR kIconRetryTimer = 1;
constexpr UINT kIconRetryInterval = 2000;
constexpr int kIconRetries = 60;

NOTIFYICONDATAA IconData(HWND owner) {
    NOTIFYICONDATAA data{};
    // The whole structure of Windows Vista and later: the version-4 protocol needs it.
    data.cbSize = sizeof data;
    data.hWnd = owner;
    data.uID = kTrayIconId;
    return data;
}

}  // namespace

int TIconWin::CreateIconWindow() {
    HWND parent = FMainForm != nullptr ? FMainForm->Handle() : nullptr;
    CreateWindowOf(kIconWinClass, 0, WS_CHILD, "", 0, 0, 0, 0, parent);
    return Handle() != nullptr && IsWindow(Handle()) ? 1 : 0;
}

int TIconWin::SetMainForm(TfrmMain* form) {
    FMainForm = form;
    return 1;
}

bool TIconWin::AddIcon() {
    FIconOwner = Handle();
    const bool added = RequestIcon();
    if (added) {
        iconRetriesLeft_ = 0;
        KillTimer(Handle(), kIconRetryTimer);
    } else if (Handle() != nullptr && iconRetriesLeft_ == 0) {
        iconRetriesLeft_ = kIconRetries;
        SetTimer(Handle(), kIconRetryTimer, kIconRetryInterval, nullptr);
    }
    return added;
}

void TIconWin::RetryIcon() {
    // An add that timed out may still have reached the shell: an icon that
    // can be changed is there.
    NOTIFYICONDATAA data = IconData(FIconOwner);
    data.uFlags = NIF_TIP;
    std::snprintf(data.szTip, sizeof data.szTip, "%s", App().Title());
    const bool there = Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE || RequestIcon();
    if (there || --iconRetriesLeft_ <= 0) {
        iconRetriesLeft_ = 0;
        KillTimer(Handle(), kIconRetryTimer);
    }
}

bool TIconWin::RequestIcon() {
    NOTIFYICONDATAA data = IconData(FIconOwner);
    data.uCallbackMessage = WM_TRAYNOTIFY;
    std::snprintf(data.szTip, sizeof data.szTip, "%s", App().Title());
    // The small size of the program's icon; the shell keeps its own copy.
    data.hIcon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), IDI_ICONMAIN, IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    const bool added = Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
    if (data.hIcon != nullptr) DestroyIcon(data.hIcon);
    if (added) {
        // Version 4: keyboard selection and a menu anchored at the icon.
        NOTIFYICONDATAA version = IconData(FIconOwner);
        version.uVersion = NOTIFYICON_VERSION_4;
        version4_ = Shell_NotifyIconA(NIM_SETVERSION, &version) != FALSE;
    }
    return added;
}

bool TIconWin::RemoveIcon() {
    NOTIFYICONDATAA data = IconData(FIconOwner);
    return Shell_NotifyIconA(NIM_DELETE, &data) != FALSE;
}

// A left click shows or hides the window (NIN_SELECT, which follows it under
// version 4, would do it twice); Enter or Space on the icon only ever shows
// it. The menu opens on the right button's press under the old protocol, at
// the anchor of WM_CONTEXTMENU (mouse or keyboard) under version 4.
void TIconWin::OnTrayNotify(LPARAM event, WPARAM anchor) {
    if (FMainForm == nullptr) return;
    switch (LOWORD(event)) {
        case WM_LBUTTONDOWN:
            if (FMainForm->Visible()) {
                FMainForm->HideMain();
            } else {
                FMainForm->BringForward();
            }
            break;
        case NIN_KEYSELECT:
            FMainForm->BringForward();
            break;
        case WM_RBUTTONDOWN:
            if (!version4_) ShowTrayMenu(PopupMenu::AtCursor());
            break;
        case WM_CONTEXTMENU:
            ShowTrayMenu(POINT{GET_X_LPARAM(anchor), GET_Y_LPARAM(anchor)});
            break;
        default:
            break;
    }
}

void TIconWin::ShowTrayMenu(POINT at) {
    const int32_t page = FMainForm != nullptr ? FMainForm->PageIndex() : -1;
    const PopupMenu menu{
        {cmHelp, "&Help", page == 0},
        {cmConduits, "&Conduit Management", page == 1},
        {cmUsers, "&User Management", page == 2},
        {cmSchedule, "HotSync &Schedule", page == 3},
        {0, nullptr},  // a separator
        {cmAbout, "&About Corvane"},
        {0, nullptr},  // a separator
        {cmExit, "E&xit"},
    };
    const UINT chosen = menu.Choose(Handle(), at, TPM_BOTTOMALIGN | TPM_RIGHTALIGN);
    if (chosen != 0) {
        // Acted on after the menu's own loop, as the menu's command would be.
        PostMessageA(Handle(), WM_COMMAND, chosen, 0);
    } else if (version4_) {
        NOTIFYICONDATAA data = IconData(FIconOwner);
        Shell_NotifyIconA(NIM_SETFOCUS, &data);
    }
}

void TIconWin::OnMenuCommand(int command) {
    if (FMainForm == nullptr) return;
    switch (command) {
        case cmHelp: FMainForm->ShowIntroPage(); break;
        case cmConduits: FMainForm->sbtnCMClick(); break;
        case cmUsers: FMainForm->sbtnUMClick(); break;
        case cmSchedule: FMainForm->sbtnScheClick(); break;
        case cmAbout: {
            TfrmAbout about(App().Handle());
            about.ShowModal();
            break;
        }
        case cmExit: FMainForm->Close(); return;
        default: break;
    }
    FMainForm->ShowMain();
}

LRESULT TIconWin::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) OnMenuCommand(LOWORD(wParam));
    if (message == WM_TRAYNOTIFY) OnTrayNotify(lParam, wParam);
    if (message == WM_TIMER && wParam == kIconRetryTimer) RetryIcon();
    return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace corvane
