#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "about_form.h"
#include "application.h"
#include "conduit_form.h"
#include "intro_form.h"
#include "main_form.h"
#include "options.h"
#include "palm_desktop_fixture.h"
#include "product.h"
#include "recording_ui.h"
#include "remind_form.h"
#include "schedule_form.h"
#include "shared_lists.h"
#include "user_form.h"
#include "user_props_form.h"

namespace corvane {
namespace {

// One window of the program, built with sample data in `host` (a page) or
// owned by it (a dialog).
struct WindowBuilder {
    const char* Name;
    std::unique_ptr<Form> (*Build)(HWND host);
};

std::unique_ptr<Form> Reminder(HWND host, const DueUsers& users) {
    auto reminder = std::make_unique<TfrmRemind>(host);
    reminder->SetDueUsers(&users);
    return reminder;
}

const DueUsers kOneUser = {{"Alice Martin", 1001}};
const DueUsers kSeveralUsers = {{"Alice Martin", 1001}, {"Bob Lee", 1002}, {"Travel", 1003}};

std::unique_ptr<Form> NameDialog(HWND host) {
    auto dialog = std::make_unique<TfrmUsrProp>(host);
    dialog->Prepare(UserListAt(Shared.Users.get(), 0), ukUser);
    return dialog;
}

const WindowBuilder kWindows[] = {
    {"reminder, one user", [](HWND host) { return Reminder(host, kOneUser); }},
    {"reminder, several users", [](HWND host) { return Reminder(host, kSeveralUsers); }},
    {"schedule page", [](HWND host) -> std::unique_ptr<Form> { return std::make_unique<TfrmSche>(host); }},
    {"conduit page", [](HWND host) -> std::unique_ptr<Form> { return std::make_unique<TfrmCM>(host); }},
    {"user page", [](HWND host) -> std::unique_ptr<Form> { return std::make_unique<TfrmUM>(host); }},
    {"name dialog", NameDialog},
    {"introduction page", [](HWND host) -> std::unique_ptr<Form> { return std::make_unique<TfrmIntro>(host); }},
    {"about box", [](HWND host) -> std::unique_ptr<Form> { return std::make_unique<TfrmAbout>(host); }},
    // Last: the main window frees the shared user list when it goes.
    {"main window", [](HWND) -> std::unique_ptr<Form> {
         App().Initialize(kAppTitle);
         return std::make_unique<TfrmMain>();
     }},
};

struct LabelText {
    std::string Text;
    int TextWidth;
    int LabelWidth;
    bool AtLimit;  // the label reaches its parent's edge, the next visible control, or the edge of its picture
};

bool IsLabel(HWND window) {
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
    return lstrcmpiA(className, "Static") == 0 && (style & SS_TYPEMASK) == SS_OWNERDRAW;
}

// Check boxes and radio buttons show their text beside their box.
int BoxWidth(HWND window) {
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    const auto type = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE)) & BS_TYPEMASK;
    const bool box = lstrcmpiA(className, "Button") == 0 && (type == BS_AUTOCHECKBOX || type == BS_AUTORADIOBUTTON);
    return box ? GetSystemMetrics(SM_CXMENUCHECK) + 4 : -1;
}

RECT RectInParent(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// Whether a label can grow no further to the right.
bool AtLimit(HWND label) {
    const RECT own = RectInParent(label);
    RECT parent;
    GetClientRect(GetParent(label), &parent);
    if (own.right >= parent.right) return true;
    for (HWND sibling = GetWindow(GetParent(label), GW_CHILD); sibling != nullptr;
         sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        if (sibling == label || !(GetWindowLongPtrA(sibling, GWL_STYLE) & WS_VISIBLE)) continue;
        const RECT other = RectInParent(sibling);
        const bool sameLine = other.top < own.bottom && other.bottom > own.top;
        if (sameLine && (other.left == own.right || other.right == own.right)) return true;
    }
    return false;
}

// The text of a label, measured in the label's own font.
LabelText Measure(HWND label) {
    char text[256] = "";
    GetWindowTextA(label, text, sizeof text);
    HDC dc = GetDC(label);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(label, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32A(dc, text, lstrlenA(text), &extent);
    SelectObject(dc, previous);
    ReleaseDC(label, dc);
    RECT client;
    GetClientRect(label, &client);
    return {text, extent.cx + std::max(0, BoxWidth(label)), client.right, AtLimit(label)};
}

BOOL CALLBACK CollectLabel(HWND window, LPARAM data) {
    if (IsLabel(window) || BoxWidth(window) >= 0) {
        reinterpret_cast<std::vector<LabelText>*>(data)->push_back(Measure(window));
    }
    return TRUE;
}

// Every window with the demo Palm Desktop's users and conduits, and a schedule list.
class LabelFitTest : public testing::PalmDesktopTest {
protected:
    void SetUp() override {
        PalmDesktopTest::SetUp();
        Options = TOptions{};
        Shared.Schedules = std::make_unique<ScheduleList>();
        Shared.Users = UserListCreate();
        host_ = CreateWindowExA(0, "STATIC", "host", WS_POPUP, 0, 0, 300, 460, nullptr, nullptr, nullptr, nullptr);
    }
    void TearDown() override {
        DestroyWindow(host_);
        UserListFree(Shared.Users);
        Shared.Schedules.reset();
        PalmDesktopTest::TearDown();
    }

    testing::RecordingUi ui_;
    HWND host_ = nullptr;
};

// A label shows its whole text, or, where it has grown as far as its line
// allows, the start of it followed by "..." (Wine's stand-in fonts are wider
// than the ones the windows were laid out for).
TEST_F(LabelFitTest, EveryLabelShowsItsWholeTextOrHasGrownAsFarAsItCan) {
    for (const WindowBuilder& builder : kWindows) {
        SCOPED_TRACE(builder.Name);
        const std::unique_ptr<Form> window = builder.Build(host_);
        ASSERT_TRUE(window->Created());
        std::vector<LabelText> labels;
        EnumChildWindows(window->Handle(), CollectLabel, reinterpret_cast<LPARAM>(&labels));
        EXPECT_FALSE(labels.empty());
        for (const LabelText& label : labels) {
            if (label.TextWidth > label.LabelWidth) {
                EXPECT_TRUE(label.AtLimit) << '"' << label.Text << "\" is cut at " << label.LabelWidth << " of "
                                           << label.TextWidth << " pixels with room to grow";
            }
        }
    }
}

}  // namespace
}  // namespace corvane
