#include "app_lifetime.h"

#include <windows.h>

#include <memory>

#include "change_saver.h"
#include "data_paths.h"
#include "data_problem_message.h"
#include "desktop_path.h"
#include "icon_win.h"
#include "options_instance.h"
#include "palm_libraries.h"
#include "schedule_store.h"
#include "shared_lists.h"
#include "single_instance.h"

namespace corvane {

void AppInit() {
    Shared.ConduitNames = NameTableLoad();
    ScheduleListCreate(Shared.Schedules);
    StartSavingChanges(ReportDataProblem);
    TrayIcon = std::make_unique<TIconWin>();
    // Conduit modules are named relative to the Palm Desktop directory.
    char desktop[kPathSize];
    const int32_t found = ReadDesktopPath(desktop, sizeof desktop);
    if (found == 0) SetCurrentDirectoryA(desktop);
    if (found == kDesktopPathNotAnsi) ReportDesktopPathNotAnsiLater();
    LoadHsApi();
}

void AppFini() {
    if (Shared.ConduitNames) NameTableFree(Shared.ConduitNames);
    // Everything is on disk already unless a save failed: then the person
    // decides whether to try again before the run ends.
    SaveChangesNow(SaveAsk::UntilAnswered);
    if (Shared.Schedules) ScheduleListFree(Shared.Schedules);
    if (TrayIcon && TrayIcon->Handle() != nullptr) DestroyWindow(TrayIcon->Handle());
    UnloadHsApi();
}

void SaveRun() { SaveChangesNow(SaveAsk::Nobody); }

void EndSession() {
    SaveChangesNow(SaveAsk::Nobody);
    FinishOptions();
    if (TrayIcon) TrayIcon->RemoveIcon();
    ExitProcess(0);
}

}  // namespace corvane
