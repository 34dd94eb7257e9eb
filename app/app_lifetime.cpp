#include "app_lifetime.h"

#include <windows.h>

#include <memory>

#include "data_problem_message.h"
#include "desktop_path.h"
#include "schedule_store.h"
#include "single_instance.h"

namespace corvane {

void AppInit(RunState& run) {
    run.Options.Load();
    run.Lists.ConduitNames = NameTableLoad();
    ScheduleListCreate(run.Lists.Schedules);
    run.Saver.Start(ReportDataProblem);
    run.TrayIcon = std::make_unique<TIconWin>();
    // Conduit modules are named relative to the Palm Desktop directory.
    char desktop[kPathSize];
    const int32_t found = ReadDesktopPath(desktop, sizeof desktop);
    if (found == 0) SetCurrentDirectoryA(desktop);
    if (found == kDesktopPathNotAnsi) ReportDesktopPathNotAnsiLater();
    LoadHsApi(run.Palm);
}

void AppFini(RunState& run) {
    if (run.Lists.ConduitNames) NameTableFree(run.Lists.ConduitNames);
    // Everything is on disk already unless a save failed: then the person
    // decides whether to try again before the run ends.
    run.Saver.SaveNow(SaveAsk::UntilAnswered);
    if (run.Lists.Schedules) ScheduleListFree(run.Lists.Schedules);
    UnloadHsApi(run.Palm);
}

void SaveRun(RunState& run) { run.Saver.SaveNow(SaveAsk::Nobody); }

void EndSession(RunState& run) {
    run.Saver.SaveNow(SaveAsk::Nobody);
    if (run.TrayIcon) run.TrayIcon->RemoveIcon();
    ExitProcess(0);
}

}  // namespace corvane
