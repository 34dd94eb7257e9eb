// The program's contacts with the person and the system that a test replaces:
// message boxes, beeps, shell opens, process starts, the local clock, the
// high-contrast setting, and the moment a modal loop starts. Production code calls Ui() and never asks
// whether it is being tested.
#pragma once

#include <windows.h>

#include "local_time.h"

namespace corvane {

class UiServices {
public:
    virtual ~UiServices() = default;

    virtual int ShowMessage(HWND owner, const char* text, const char* caption, UINT type);
    // The same for texts in any language (paths of the program's own files).
    virtual int ShowMessageW(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type);
    virtual void Beep(UINT type);
    virtual bool ShellOpen(HWND owner, const char* target);
    // Opens a file of the program's own, named by its wide path.
    virtual bool OpenFile(HWND owner, const wchar_t* path);
    // Starts the program at `path` (a full path, spaces allowed) with no
    // arguments, its window shown as `show`; never searches other folders.
    virtual bool StartProgram(const char* path, int show);
    virtual LocalTime Now();
    // Whether the system's high-contrast theme is on.
    virtual bool HighContrast();
    // Called when a modal window is shown, before its loop takes messages.
    virtual void ModalLoopStarted(HWND) {}
};

// The services in force: the real ones unless a test has put its own in place.
UiServices& Ui();

// Puts `services` in place (not owned); null puts the real ones back.
void SetUiServices(UiServices* services);

}  // namespace corvane
