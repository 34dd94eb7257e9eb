// Every window of the program built with sample data, for the tests that
// look at all of them (pages in a host window, dialogs owned by it), and
// what those tests say of a control.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "about_form.h"
#include "application.h"
#include "conduit_form.h"
#include "controls.h"
#include "intro_form.h"
#include "main_form.h"
#include "product.h"
#include "remind_form.h"
#include "schedule_form.h"
#include "run_state.h"
#include "user_form.h"
#include "user_props_form.h"

namespace corvane::testing {

inline std::string ClassOf(HWND window) {
    char className[32] = "";
    GetClassNameA(window, className, sizeof className);
    return className;
}

inline bool IsClass(HWND window, const char* name) { return lstrcmpiA(ClassOf(window).c_str(), name) == 0; }

inline DWORD StyleOf(HWND window) { return static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE)); }

inline std::string Describe(HWND control) { return ClassOf(control) + " \"" + TextOf(control) + '"'; }

inline BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

// Every window inside `form`, at any depth, in z-order.
inline std::vector<HWND> ChildWindows(HWND form) {
    std::vector<HWND> found;
    EnumChildWindows(form, CollectWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

// One window of the program, built with sample data in `host` (a page) or
// owned by it (a dialog).
struct WindowBuilder {
    const char* Name;
    std::unique_ptr<Form> (*Build)(HWND host, RunState& run);
};

inline std::unique_ptr<Form> Reminder(HWND host, RunState& run, const DueUsers& users) {
    auto reminder = std::make_unique<TfrmRemind>(host, run);
    reminder->SetDueUsers(&users);
    return reminder;
}

inline const DueUsers kOneUser = {{"Alice Martin", 1001}};
inline const DueUsers kSeveralUsers = {{"Alice Martin", 1001}, {"Bob Lee", 1002}, {"Travel", 1003}};

inline std::unique_ptr<Form> NameDialog(HWND host, RunState& run) {
    auto dialog = std::make_unique<TfrmUsrProp>(host, run);
    dialog->Prepare(UserListAt(run.Lists.Users.get(), 0), ukUser);
    return dialog;
}

inline const WindowBuilder kWindows[] = {
    {"reminder, one user", [](HWND host, RunState& run) { return Reminder(host, run, kOneUser); }},
    {"reminder, several users", [](HWND host, RunState& run) { return Reminder(host, run, kSeveralUsers); }},
    {"schedule page", [](HWND host, RunState& run) -> std::unique_ptr<Form> { return std::make_unique<TfrmSche>(host, run); }},
    {"conduit page", [](HWND host, RunState& run) -> std::unique_ptr<Form> { return std::make_unique<TfrmCM>(host, run); }},
    {"user page", [](HWND host, RunState& run) -> std::unique_ptr<Form> { return std::make_unique<TfrmUM>(host, run); }},
    {"name dialog", NameDialog},
    {"introduction page", [](HWND host, RunState& run) -> std::unique_ptr<Form> { return std::make_unique<TfrmIntro>(host, run); }},
    {"about box", [](HWND host, RunState&) -> std::unique_ptr<Form> { return std::make_unique<TfrmAbout>(host); }},
    // Last: the main window frees the run's user list when it goes.
    {"main window", [](HWND, RunState& run) -> std::unique_ptr<Form> {
         App().Initialize(kAppTitle);
         auto main = std::make_unique<TfrmMain>(run);
         // Every page, each in the main window's frame for pages.
         main->sbtnCMClick();
         main->sbtnUMClick();
         main->sbtnScheClick();
         main->ShowIntroPage();
         return main;
     }},
};

}  // namespace corvane::testing
