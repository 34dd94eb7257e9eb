#include "icon_win.h"

#include <shellapi.h>

#include <cstdio>

#include "about_form.h"
#include "application.h"
#include "main_form.h"
#include "popup_menu.h"
#include "resource_ids.h"

namespace corvane {

// The i686 build, the one users run, hands the shell and the menu the 32-bit forms of these structures.
#if !defined(_WIN64)
static_assert(NOTIFYICONDATAA_V2_SIZE == 488, "the version 2 notify-icon structure is 488 bytes");
static_assert(sizeof(MENUITEMINFOA) == 48, "the menu item structure is 48 bytes");
#endif

std::unique_ptr<TIconWin> TrayIcon;

namespace {

constexpr WindowClass kIconWinClass = {kIconWinClassName, CS_HREDRAW | CS_VREDRAW, nullptr, nullptr, 4};

constexpr UINT_PTR kIconRetryTimer = 1;
constexpr UINT kIconRetryInterval = 2000;
constexpr int kIconRetries = 60;

NOTIFYICONDATAA IconData(HWND owner) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V2_SIZE;
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
    return added;
}

bool TIconWin::RemoveIcon() {
    NOTIFYICONDATAA data = IconData(FIconOwner);
    return Shell_NotifyIconA(NIM_DELETE, &data) != FALSE;
}

void TIconWin::OnTrayNotify(LPARAM mouseMessage) {
    if (FMainForm == nullptr) return;
    if (mouseMessage == WM_LBUTTONDOWN) {
        if (FMainForm->Visible()) {
            FMainForm->HideMain();
        } else {
            FMainForm->BringForward();
        }
    } else if (mouseMessage == WM_RBUTTONDOWN) {
        ShowTrayMenu();
    }
}

void TIconWin::ShowTrayMenu() {
    const int32_t page = FMainForm != nullptr ? FMainForm->PageIndex() : -1;
    const PopupMenu menu{
        {cmHelp, "Help", page == 0},
        {cmConduits, "Conduit Management", page == 1},
        {cmUsers, "User Management", page == 2},
        {cmSchedule, "HotSync Schedule", page == 3},
        {0, nullptr},  // a separator
        {cmAbout, "About Corvane"},
        {0, nullptr},  // a separator
        {cmExit, "Exit"},
    };
    menu.Show(Handle(), PopupMenu::AtCursor(), TPM_BOTTOMALIGN | TPM_RIGHTALIGN);
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
    if (message == WM_TRAYNOTIFY) OnTrayNotify(lParam);
    if (message == WM_TIMER && wParam == kIconRetryTimer) RetryIcon();
    return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace corvane
