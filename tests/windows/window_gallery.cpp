// Shows one window with sample data for a few seconds, for screenshots:
//   window_gallery remind-one | remind-several | schedule | conduits | users | user-props
//                  | main-intro | main-conduits | main-users | main-schedule | about   [seconds]
// The pages and the name dialog use a demo Palm Desktop that it makes in the temporary folder.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "about_form.h"
#include "application.h"
#include "conduit_form.h"
#include "fixture.h"
#include "form.h"
#include "main_form.h"
#include "remind_form.h"
#include "schedule_form.h"
#include "run_state.h"
#include "user_form.h"
#include "user_props_form.h"

namespace {

using namespace corvane;

// A frame for a page, as the main window will be.
class PageHost : public Form {
public:
    explicit PageHost(const char* caption = "HotSync Schedule", int width = 287) {
        CreateDialogWindow("GalleryHost", nullptr, caption, width, 453);
    }
};

void PumpFor(DWORD milliseconds) {
    const DWORD end = GetTickCount() + milliseconds;
    MSG message;
    while (GetTickCount() < end) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(20);
    }
}

void ShowReminder(RunState& run, const DueUsers& users, DWORD milliseconds) {
    TfrmRemind reminder(nullptr, run);
    reminder.SetDueUsers(&users);
    ShowWindow(reminder.Handle(), SW_SHOW);
    PumpFor(milliseconds);
}

void ShowSchedulePage(RunState& run, DWORD milliseconds) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string desktop = std::string(temp) + "Gallery Palm Desktop";
    palmsim::CreatePalmDesktop(desktop, palmsim::DesktopKind::Demo);
    palmsim::RegisterDesktopPath(desktop);
    run.Lists.Schedules = std::make_unique<ScheduleList>();
    auto weekly = std::make_unique<ScheduleRecord>();
    std::memset(weekly.get(), 0, sizeof(ScheduleRecord));
    weekly->UserID = 1001;
    weekly->Kind = skWeekly;
    weekly->Param = 4;
    std::memcpy(weekly->SyncTime, "1930", 5);
    std::memcpy(weekly->SyncDate, "20261211", 9);
    ScheduleListAdd(run.Lists.Schedules, std::move(weekly));
    {
        PageHost host;
        TfrmSche page(host.Handle(), run);
        ShowWindow(page.Handle(), SW_SHOW);
        ShowWindow(host.Handle(), SW_SHOW);
        PumpFor(milliseconds);
    }
    UserListFree(run.Lists.Users, run.Palm);
    palmsim::UnregisterDesktopPath();
}

// A demo Palm Desktop made the current directory, as start-up does, for the
// length of `show`.
template <typename Show>
void WithDemoDesktop(RunState& run, Show show) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string desktop = std::string(temp) + "Gallery Palm Desktop";
    palmsim::CreatePalmDesktop(desktop, palmsim::DesktopKind::Demo);
    palmsim::RegisterDesktopPath(desktop);
    SetCurrentDirectoryA(desktop.c_str());
    show();
    UserListFree(run.Lists.Users, run.Palm);
    SetCurrentDirectoryA(temp);
    palmsim::UnregisterDesktopPath();
}

template <typename Page>
void ShowPage(RunState& run, const char* caption, int width, DWORD milliseconds) {
    WithDemoDesktop(run, [&] {
        PageHost host(caption, width);
        Page page(host.Handle(), run);
        ShowWindow(page.Handle(), SW_SHOW);
        ShowWindow(host.Handle(), SW_SHOW);
        PumpFor(milliseconds);
    });
}

void ShowNameDialog(RunState& run, DWORD milliseconds) {
    WithDemoDesktop(run, [&] {
        run.Lists.Users = UserListCreate(run.Palm);
        TfrmUsrProp dialog(nullptr, run);
        dialog.Prepare(UserListAt(run.Lists.Users.get(), 0), ukUser);
        ShowWindow(dialog.Handle(), SW_SHOW);
        PumpFor(milliseconds);
    });
}

// The main window on page `page` (0 introduction to 3 schedule), shown as on the first start.
void ShowMainWindow(RunState& run, int32_t page, DWORD milliseconds) {
    WithDemoDesktop(run, [&] {
        run.Lists.Schedules = std::make_unique<ScheduleList>();
        run.Options.ShowHelp = page == 0 ? 1 : 0;
        run.Options.FormIndex = page;
        run.Options.Hide = 0;
        TfrmMain main(run);
        PumpFor(milliseconds);
    });
}

void ShowAboutBox(DWORD milliseconds) {
    TfrmAbout about(App().Handle());
    ShowWindow(about.Handle(), SW_SHOW);
    PumpFor(milliseconds);
}

// The system's services, with high contrast on when CORVANE_GALLERY_CONTRAST
// is 1 (Wine never reports it; its colours come from the prefix's registry).
class GalleryUi : public UiServices {
public:
    bool HighContrast() override {
        char value[4] = "";
        return GetEnvironmentVariableA("CORVANE_GALLERY_CONTRAST", value, sizeof value) > 0 && value[0] == '1';
    }
};

}  // namespace

int main(int argc, char** argv) {
    GalleryUi ui;
    SetUiServices(&ui);
    if (argc < 2) {
        std::fprintf(stderr,
                     "usage: window_gallery remind-one|remind-several|schedule|conduits|users|user-props"
                     "|main-intro|main-conduits|main-users|main-schedule|about [seconds]\n");
        return 2;
    }
    const DWORD milliseconds = argc > 2 ? static_cast<DWORD>(std::atoi(argv[2])) * 1000u : 4000u;
    App().Initialize("Corvane V1.2");
    RunState run;
    run.Options.RemindSec = 30;
    if (std::strcmp(argv[1], "remind-one") == 0) {
        ShowReminder(run, {{"Alice Martin", 1001}}, milliseconds);
    } else if (std::strcmp(argv[1], "remind-several") == 0) {
        run.Options.RemindDetail = 1;
        ShowReminder(run, {{"Alice Martin", 1001}, {"Bob Lee", 1002}, {"Travel", 1003}}, milliseconds);
    } else if (std::strcmp(argv[1], "schedule") == 0) {
        ShowSchedulePage(run, milliseconds);
    } else if (std::strcmp(argv[1], "conduits") == 0) {
        ShowPage<TfrmCM>(run, "Conduit Management", 295, milliseconds);
    } else if (std::strcmp(argv[1], "users") == 0) {
        ShowPage<TfrmUM>(run, "User Management", 285, milliseconds);
    } else if (std::strcmp(argv[1], "user-props") == 0) {
        ShowNameDialog(run, milliseconds);
    } else if (std::strncmp(argv[1], "main-", 5) == 0) {
        const char* const pages[] = {"main-intro", "main-conduits", "main-users", "main-schedule"};
        int32_t page = 0;
        while (page < 4 && std::strcmp(argv[1], pages[page]) != 0) ++page;
        if (page == 4) return 2;
        ShowMainWindow(run, page, milliseconds);
    } else if (std::strcmp(argv[1], "about") == 0) {
        ShowAboutBox(milliseconds);
    } else {
        return 2;
    }
    return 0;
}
