// The program's main window: four pages in one panel (introduction, conduit
// management, user management, HotSync schedule), three navigation buttons,
// the current page's name, Help and Close. Hiding it keeps the program
// running in the notification area; closing it ends the program.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>

#include "corvane_identity.h"
#include "form.h"

namespace corvane {

class TfrmIntro;
class TfrmCM;
class TfrmUM;
class TfrmSche;

inline constexpr char kMainFormClass[] = CORVANE_MAIN_WINDOW_CLASS;

// Hides the main window; nothing in the program sends it.
inline constexpr UINT WM_HIDEMAIN = WM_USER + 100;
// Shows the main window in front, as a left click on the icon does: a second
// start sends it to the running instance.
inline constexpr UINT WM_SHOWMAIN = WM_USER + 101;

class SyncCheck;
struct RunState;

// What the run does for the system's power and session events.
struct RunEvents {
    // The machine is about to sleep, and may never wake: save everything now.
    std::function<void()> Suspending;
    // The session ends (log-off, shutdown, or an installer closing the
    // program): save once and end the process.
    std::function<void()> SessionEnding;
};

class TfrmMain : public Form {
public:
    // Creates the window as the application's main window and runs FormCreate:
    // the start page (made now, or when a hidden window is first shown), the
    // first start's showing, the notification-area icon.
    // `events` are in force from the start: adding the icon already lets
    // messages from other programs in.
    explicit TfrmMain(RunState& run, RunEvents events = {});
    ~TfrmMain() override;

    // Page numbers: the values of PageIndex(), of the setting FormIndex and
    // of the icon menu's first four positions.
    enum Page { pgIntro = 0, pgConduits = 1, pgUsers = 2, pgSchedule = 3 };
    // Hover numbers of the navigation buttons; kNoButton: none.
    static constexpr int kNoButton = 99;

    // `byPerson`: the page is opened by the person, not by the start-up.
    void ShowIntroPage(bool byPerson = true);
    void sbtnCMClick();
    void sbtnUMClick();
    void sbtnScheClick();
    // The hover highlight: button `button` blue, the others black, and the
    // matching section of the introduction page lit while it is on view.
    void HighlightButton(int button);
    void lblCloseClick();
    void lblHelpClick();
    void lblHomeClick();

    // Hides or shows the window together with the application's task-bar entry.
    void HideMain();
    void ShowMain();
    // Shows the window and its task-bar entry and asks for the foreground.
    void BringForward();
    bool Visible() const;
    void SetVisible(bool visible);
    void Close();

    int32_t PageIndex() const { return FPageIndex; }
    // A page's window, null until it is first needed.
    TfrmIntro* IntroPage() const { return FIntro.get(); }
    TfrmCM* ConduitPage() const { return FCM.get(); }
    TfrmUM* UserPage() const { return FUM.get(); }
    TfrmSche* SchedulePage() const { return FSche.get(); }
    COLORREF ButtonCaptionColor(int button) const;

    // The end of the window's part of the run: frees the shared user list and
    // removes the notification-area icon.
    void FormDestroy();

    enum ControlId {
        idImgTitleLeft = 10, idImgTitleCenter, idImgTitleRight, idLblHome, idLblStatus, idImgClose, idLblClose,
        idImgHelp, idLblHelp, idPnlTool, idSbtnCM, idSbtnUM, idSbtnSche, idPnlForm,
    };

    static constexpr COLORREF kHoverColor = RGB(0, 0, 255);
    static constexpr COLORREF kButtonColor = RGB(0, 0, 0);

protected:
    void OnCommand(int id, int code, HWND control) override;
    void OnClose() override;
    void OnCancel() override;
    void OnTimer(UINT_PTR id) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void AddLaidOutControls();
    void FormCreate();
    void OpenStartPage();
    void AddTrayIcon();
    void RemoveTrayIcon();
    void OpenPage(int32_t page, bool byPerson = true);
    Form* PageWindow(int32_t page) const;
    void CreatePageWindow(int32_t page);
    void ShowPage(int32_t page);
    void FocusPage();
    void SetStatus(int32_t page, bool byPerson);
    void UsersChanged();
    void SchedulesMoved();
    LRESULT OnPowerBroadcast(WPARAM event);
    LRESULT AnswerInstanceMessage(WPARAM request);
    bool DrawSpeedButton(const DRAWITEMSTRUCT& item) const;
    int SpeedButtonNumber(HWND control) const;

    RunState& run_;
    std::unique_ptr<TfrmIntro> FIntro;
    std::unique_ptr<TfrmCM> FCM;
    std::unique_ptr<TfrmUM> FUM;
    std::unique_ptr<TfrmSche> FSche;
    std::unique_ptr<SyncCheck> FSync;
    int32_t FPageIndex = 0;
    bool startPageMade_ = false;
    bool pageFocusPending_ = false;  // a page was put on view while the window was hidden
    COLORREF FButtonColors[3] = {kButtonColor, kButtonColor, kButtonColor};
    UINT taskbarCreated_ = 0;
    UINT instanceMessage_ = 0;
    bool ending_ = false;
    RunEvents runEvents_;
};

}  // namespace corvane
