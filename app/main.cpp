// The process entry: one instance per logon, the run's objects, the main
// window created hidden, the message loop, and the teardown in reverse.
#include <windows.h>

#include <exception>
#include <memory>

#include "app_lifetime.h"
#include "application.h"
#include "library_module.h"
#include "main_form.h"
#include "options_instance.h"
#include "product.h"
#include "single_instance.h"
#include "window.h"

namespace {

using namespace corvane;

void Run() {
    std::unique_ptr<TfrmMain> mainForm;
    try {
        AppInit();
        App().Initialize(kAppTitle);
        // The main window shows itself on the first start only; the
        // application object never shows it by itself.
        mainForm = std::make_unique<TfrmMain>(RunEvents{SaveRun, EndSession});
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
    if (CheckSingleInstance()) {
        DiscardOptions();
        ShowRunningInstance();
        return 0;
    }
    Run();
    return 0;
}
