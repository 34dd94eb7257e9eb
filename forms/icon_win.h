// The program's icon in the notification area and its menu, served by an
// invisible window of class "IconWin": the shell sends the icon's mouse
// messages there, and the menu's commands arrive there too.
#pragma once

#include <windows.h>

#include <memory>

#include "corvane_identity.h"
#include "window.h"

namespace corvane {

class TfrmMain;

// The icon's callback message; lParam carries the mouse message.
inline constexpr UINT WM_TRAYNOTIFY = WM_USER + 200;
inline constexpr UINT kTrayIconId = 100;
inline constexpr char kIconWinClassName[] = CORVANE_ICON_WINDOW_CLASS;

enum TrayCommand : int {
    cmHelp = 1000,  // the introduction page, not the help file
    cmConduits = 1001,
    cmUsers = 1002,
    cmSchedule = 1003,
    cmAbout = 1100,
    cmExit = 1101,
};

class TIconWin : public Window {
public:
    TIconWin() = default;

    // Registers the class "IconWin" and creates the icon window, a child of
    // the main window (none when there is no main window, so none is made).
    // Returns 1 when the window exists afterwards, else 0.
    int CreateIconWindow();
    int SetMainForm(TfrmMain* form);
    TfrmMain* MainForm() const { return FMainForm; }

    // Adds the icon to the notification area for the icon window, with the
    // application's title as its tip; and deletes it again. The icon keeps the
    // window handle it was added with, also after the window is destroyed.
    // While the shell is still starting (at log-on) it may refuse the icon or
    // not answer in time: a refused icon is asked for again every 2 seconds
    // for two minutes, until the shell has it.
    bool AddIcon();
    bool RemoveIcon();
    HWND IconOwner() const { return FIconOwner; }

    // An event of the icon: a mouse message, or under the version-4 protocol
    // NIN_SELECT, NIN_KEYSELECT or WM_CONTEXTMENU with its anchor in `anchor`.
    void OnTrayNotify(LPARAM event, WPARAM anchor = 0);
    // Shows the icon's menu at `at` (screen coordinates); a menu left without
    // a choice gives the keyboard focus back to the notification area.
    void ShowTrayMenu(POINT at);
    // Whether the shell took the version-4 protocol (Windows 7 and later).
    bool KeyboardProtocol() const { return version4_; }
    void OnMenuCommand(int command);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool RequestIcon();
    void RetryIcon();

    TfrmMain* FMainForm = nullptr;
    int iconRetriesLeft_ = 0;
    bool version4_ = false;
    HWND FIconOwner = nullptr;
};

}  // namespace corvane
