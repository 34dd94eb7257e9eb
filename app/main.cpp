// The process entry: one instance per logon, the run's objects, the main
// window created hidden, the message loop, and the teardown in reverse.
#include <windows.h>

#include <exception>
#include <memory>

#include "app_lifetime.h"
#include "app_restart.h"
#include "application.h"
#include "library_module.h"
#include "main_form.h"
#include "product.h"
#include "run_state.h"
#include "single_instance.h"
#include "window.h"

namespace {

using namespace corvane;

// `show`: the main window comes to the front at once, for a start that took
// over from an instance that was ending when it was asked to show itself.
void Run(RunState& run, bool show) {
    std::unique_ptr<TfrmMain> mainForm;
    try {
        AppInit(run);
        App().Initialize(kAppTitle);
        // The main window shows itself on the first start only; the
        // application object never shows it by itself.
        mainForm = std::make_unique<TfrmMain>(
            run, RunEvents{[&run] { SaveRun(run); }, [&run] { EndSession(run); }});
        if (show) mainForm->BringForward();
        SetRestartAfterUpdate(true);
        App().Run();
        // Saved while this instance still holds the mutex: a start that comes
        // after the release reads the newest settings and schedules.
        AppFini(run);
        mainForm.reset();
        ReleaseSingleInstance();
    } catch (const std::exception& error) {
        ShowException(error.what());
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Before anything can load a library by a bare name.
    RestrictLibrarySearch();
    const bool anotherInstance = CheckSingleInstance();
    if (anotherInstance) {
        if (!TakeOverUnlessRunning()) return 0;
    }
    // The run's state, from here to the end of the entry point.
    RunState run;
    Run(run, anotherInstance);
    return 0;
}
