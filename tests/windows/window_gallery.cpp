// Shows one window with sample data for a few seconds, for screenshots:
//   window_gallery remind-one | remind-several | schedule   [seconds]
// The schedule page uses a demo Palm Desktop that it makes in the temporary folder.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "application.h"
#include "fixture.h"
#include "form.h"
#include "options.h"
#include "remind_form.h"
#include "schedule_form.h"
#include "shared_lists.h"

namespace {

using namespace corvane;

// A frame for a page, as the main window will be.
class PageHost : public Form {
public:
    PageHost() { CreateDialogWindow("GalleryHost", nullptr, "HotSync Schedule", 287, 453); }
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

void ShowReminder(const DueUsers& users, DWORD milliseconds) {
    TfrmRemind reminder(nullptr);
    reminder.SetDueUsers(&users);
    ShowWindow(reminder.Handle(), SW_SHOW);
    PumpFor(milliseconds);
}

void ShowSchedulePage(DWORD milliseconds) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string desktop = std::string(temp) + "Gallery Palm Desktop";
    palmsim::CreatePalmDesktop(desktop, palmsim::DesktopKind::Demo);
    palmsim::RegisterDesktopPath(desktop);
    Shared.Schedules = std::make_unique<ScheduleList>();
    auto weekly = std::make_unique<ScheduleRecord>();
    std::memset(weekly.get(), 0, sizeof(ScheduleRecord));
    weekly->UserID = 1001;
    weekly->Kind = skWeekly;
    weekly->Param = 4;
    std::memcpy(weekly->SyncTime, "1930", 5);
    std::memcpy(weekly->SyncDate, "20261211", 9);
    ScheduleListAdd(Shared.Schedules, std::move(weekly));
    {
        PageHost host;
        TfrmSche page(host.Handle());
        ShowWindow(page.Handle(), SW_SHOW);
        ShowWindow(host.Handle(), SW_SHOW);
        PumpFor(milliseconds);
    }
    UserListFree(Shared.Users);
    palmsim::UnregisterDesktopPath();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: window_gallery remind-one|remind-several|schedule [seconds]\n");
        return 2;
    }
    const DWORD milliseconds = argc > 2 ? static_cast<DWORD>(std::atoi(argv[2])) * 1000u : 4000u;
    App().Initialize("Corvane V1.2");
    Options.RemindSec = 30;
    if (std::strcmp(argv[1], "remind-one") == 0) {
        ShowReminder({{"Alice Martin", 1001}}, milliseconds);
    } else if (std::strcmp(argv[1], "remind-several") == 0) {
        Options.RemindDetail = 1;
        ShowReminder({{"Alice Martin", 1001}, {"Bob Lee", 1002}, {"Travel", 1003}}, milliseconds);
    } else if (std::strcmp(argv[1], "schedule") == 0) {
        ShowSchedulePage(milliseconds);
    } else {
        return 2;
    }
    return 0;
}
