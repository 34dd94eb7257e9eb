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
#include "options.h"
#include "options_instance.h"
#include "product.h"
#include "single_instance.h"
#include "window.h"

namespace {

using namespace corvane;

// `show`: the main window comes to the front at once, for a start that took
// over from an instance that was ending when it was asked to show itself.
void Run(bool show) {
    std::unique_ptr<TfrmMain> mainForm;
    try {
        AppInit();
        App().Initialize(kAppTitle);
        // The main window shows itself on the first start only; the
        // application object never shows it by itself.
        mainForm = std::make_unique<TfrmMain>(RunEvents{SaveRun, EndSession});
        if (show) mainForm->BringForward();
        SetRestartAfterUpdate(true);
        App().Run();
        AppFini();
        // Saved while this instance still holds the mutex: a start that comes
        // after the release reads the newest settings.
        FinishOptions();
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
        if (!TakeOverUnlessRunning()) {
            DiscardOptions();
            return 0;
        }
        // The instance that has ended saved its settings after they were read.
        Options.Load();
    }
    Run(anotherInstance);
    return 0;
}
