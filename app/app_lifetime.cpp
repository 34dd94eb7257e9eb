#include "app_lifetime.h"

#include <windows.h>

#include <memory>

#include "data_paths.h"
#include "desktop_path.h"
#include "icon_win.h"
#include "options.h"
#include "options_instance.h"
#include "palm_libraries.h"
#include "schedule_store.h"
#include "shared_lists.h"
#include "single_instance.h"

namespace corvane {

void AppInit() {
    Shared.ConduitNames = NameTableLoad();
    ScheduleListCreate(Shared.Schedules);
    TrayIcon = std::make_unique<TIconWin>();
    // Conduit modules are named relative to the Palm Desktop directory.
    char desktop[kPathSize];
    if (ReadDesktopPath(desktop, sizeof desktop) == 0) SetCurrentDirectoryA(desktop);
    LoadHsApi();
}

void AppFini() {
    if (Shared.ConduitNames) NameTableFree(Shared.ConduitNames);
    if (Shared.Schedules) ScheduleListFree(Shared.Schedules);
    if (TrayIcon && TrayIcon->Handle() != nullptr) DestroyWindow(TrayIcon->Handle());
    UnloadHsApi();
}

void SaveRun() {
    ScheduleListSave(Shared.Schedules);
    Options.Save();
}

void EndSession() {
    ScheduleListSave(Shared.Schedules);
    FinishOptions();
    if (TrayIcon) TrayIcon->RemoveIcon();
    ExitProcess(0);
}

}  // namespace corvane
