// The product's names and addresses, each in this one place.
#pragma once

#include <windows.h>

#include <string>

#include "corvane_identity.h"

namespace corvane {

// The application's title: the task-bar entry and the notification-area tip.
inline constexpr char kAppTitle[] = "Corvane V1.2";
// The main window's own caption.
inline constexpr char kMainCaption[] = "Corvane V1.2.1";

// A running Corvane of any version: its main window's class with the icon
// window inside, answering kInstanceMessage (a registered message) with
// kAnswerRunning, or with kAnswerEnding once it has been asked to end.
inline constexpr char kInstanceMessage[] = CORVANE_INSTANCE_MESSAGE;
inline constexpr LRESULT kAnswerRunning = CORVANE_ANSWER_RUNNING;
inline constexpr LRESULT kAnswerEnding = CORVANE_ANSWER_ENDING;
// kInstanceMessage's wParam: only who it is, or also show the main window in front.
enum InstanceRequest : WPARAM { irIdentify = 0, irShow = 1 };

// The product's home page, shown and opened by the main window and the about box.
inline constexpr char kHomePage[] = "https://corvane.example.org/";
// The support e-mail address, shown and opened by the introduction page.
inline constexpr char kSupportAddress[] = "support@corvane.example.org";

// The home page as the windows show it: without its scheme and closing slash.
inline const char* HomePageShown() {
    static const std::string shown = [] {
        std::string page = kHomePage;
        page.erase(0, page.find("//") + 2);
        if (!page.empty() && page.back() == '/') page.pop_back();
        return page;
    }();
    return shown.c_str();
}

}  // namespace corvane
