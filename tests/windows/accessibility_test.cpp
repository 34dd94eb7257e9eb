// Every window from the keyboard and for screen readers: Tab visits what acts,
// in reading order; each input follows the label that names it; keys posted
// to the focus do what a keyboard user expects.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "controls.h"
#include "dpi.h"
#include "list_view.h"
#include "options.h"
#include "run_fixture.h"
#include "recording_ui.h"
#include "window_samples.h"

namespace corvane {
namespace {

using testing::ChildWindows;
using testing::Describe;
using testing::IsClass;
using testing::StyleOf;

bool IsRadio(HWND control) { return IsClass(control, "Button") && (StyleOf(control) & BS_TYPEMASK) == BS_AUTORADIOBUTTON; }

// Controls a person acts on or types into (not the parts a control makes of itself).
bool Acts(HWND control) {
    HWND parent = GetParent(control);
    if (Window::FromHandle(parent) == nullptr && !IsClass(parent, "CorvanePanel")) return false;
    if (IsClass(control, "Button")) return (StyleOf(control) & BS_TYPEMASK) != BS_GROUPBOX;
    for (const char* input : {"Edit", "ComboBox", "ListBox", "SysListView32", "SysDateTimePick32"}) {
        if (IsClass(control, input)) return true;
    }
    return false;
}

bool TakesText(HWND control) { return Acts(control) && !IsClass(control, "Button"); }

// Shown (as far as the form is concerned) and enabled.
bool Reachable(HWND form, HWND control) {
    for (HWND window = control; window != form; window = GetParent(window)) {
        if (!(StyleOf(window) & WS_VISIBLE)) return false;
    }
    return IsWindowEnabled(control) != FALSE;
}

// Where a control reads: a radio button where its group starts.
RECT ReadingPlace(HWND control) {
    HWND place = control;
    while (IsRadio(place) && !(StyleOf(place) & WS_GROUP) && GetWindow(place, GW_HWNDPREV) != nullptr) {
        place = GetWindow(place, GW_HWNDPREV);
    }
    RECT rect;
    GetWindowRect(place, &rect);
    return rect;
}

bool ReadsBefore(HWND first, HWND second) {
    const RECT a = ReadingPlace(first);
    const RECT b = ReadingPlace(second);
    if (std::abs(a.top - b.top) < Scaled(8)) return a.left < b.left;
    return a.top < b.top;
}

// The Tab cycle from the first control until it comes round again.
std::vector<HWND> TabCycle(HWND form) {
    std::vector<HWND> cycle;
    HWND control = GetNextDlgTabItem(form, nullptr, FALSE);
    while (control != nullptr && cycle.size() < 100 &&
           std::find(cycle.begin(), cycle.end(), control) == cycle.end()) {
        cycle.push_back(control);
        control = GetNextDlgTabItem(form, control, FALSE);
    }
    if (!cycle.empty()) {
        EXPECT_EQ(control, cycle.front()) << "Tab does not come round to the first control";
    }
    return cycle;
}

void CheckTabOrder(HWND form) {
    const std::vector<HWND> cycle = TabCycle(form);
    ASSERT_FALSE(cycle.empty());
    EXPECT_EQ(GetNextDlgTabItem(form, cycle.front(), TRUE), cycle.back()) << "Shift+Tab from the first";
    int groups = 0;
    for (HWND control : ChildWindows(form)) {
        if (!Acts(control) || !Reachable(form, control)) continue;
        const bool visited = std::find(cycle.begin(), cycle.end(), control) != cycle.end();
        if (!IsRadio(control)) {
            EXPECT_TRUE(visited) << Describe(control) << " is not reached by Tab";
        } else {
            groups += (StyleOf(control) & WS_GROUP) != 0 ? 1 : 0;
            // A radio group is entered at its checked button.
            if (visited) {
                EXPECT_TRUE(IsChecked(control)) << Describe(control) << " takes Tab but is not checked";
            }
        }
    }
    EXPECT_EQ(std::count_if(cycle.begin(), cycle.end(), IsRadio), groups) << "one Tab stop per radio group";
    for (std::size_t i = 0; i + 1 < cycle.size(); ++i) {
        EXPECT_TRUE(Acts(cycle[i])) << Describe(cycle[i]) << " takes Tab but does nothing";
        if (GetParent(cycle[i]) != GetParent(cycle[i + 1])) continue;
        EXPECT_TRUE(ReadsBefore(cycle[i], cycle[i + 1]))
            << Describe(cycle[i]) << " comes before " << Describe(cycle[i + 1]) << " out of reading order";
    }
}

// Screen readers name an input after the static just before it in z-order.
void CheckLabels(HWND form) {
    for (HWND control : ChildWindows(form)) {
        if (!TakesText(control)) continue;
        HWND label = GetWindow(control, GW_HWNDPREV);
        EXPECT_TRUE(label != nullptr && IsClass(label, "Static") && !TextOf(label).empty())
            << Describe(control) << " has no label before it";
    }
}

// Hands the dialog manager of `dialog` a key as if typed at the control with the focus.
void DialogKey(HWND dialog, UINT message, WPARAM key) {
    MSG typed{GetFocus(), message, key, 1, 0, {}};
    if (typed.hwnd != nullptr && key != 0) IsDialogMessageA(dialog, &typed);
}

// The first mnemonic of a label, check box or radio button: one that acts
// without ending the window.
WPARAM FirstMnemonic(HWND form) {
    for (HWND control : ChildWindows(form)) {
        const DWORD type = StyleOf(control) & BS_TYPEMASK;
        if (IsClass(control, "Button") && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON)) continue;
        const std::string text = TextOf(control);
        const std::size_t mark = text.find('&');
        if (mark != std::string::npos && mark + 1 < text.size()) return static_cast<WPARAM>(text[mark + 1]);
    }
    return 0;
}

std::vector<HWND> OwnerDrawnButtons(HWND form) {
    std::vector<HWND> found;
    for (HWND control : ChildWindows(form)) {
        if (IsClass(control, "Button") && (StyleOf(control) & BS_TYPEMASK) == BS_OWNERDRAW) found.push_back(control);
    }
    return found;
}

// Posts each key to whichever control has the focus at its turn, one every
// few milliseconds, so that the modal loop's dialog manager takes them; a
// dialog the keys left open is closed after a while, as its close box would.
class KeyScript {
public:
    struct Key {
        UINT Message;
        WPARAM Code;
    };

    static void Start(HWND dialog, std::vector<Key> keys) {
        State& state = Current();
        state = State{dialog, std::move(keys)};
        state.Timer = SetTimer(nullptr, 0, 20, Tick);
    }

private:
    static constexpr std::size_t kGraceTicks = 50;
    struct State {
        HWND Dialog = nullptr;
        std::vector<Key> Keys;
        std::size_t Next = 0;
        UINT_PTR Timer = 0;
    };
    static State& Current() {
        static State state;
        return state;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR timer, DWORD) {
        State& state = Current();
        const std::size_t turn = state.Next++;
        if (turn < state.Keys.size()) {
            PostMessageA(GetFocus(), state.Keys[turn].Message, state.Keys[turn].Code, 1);
        } else if (turn >= state.Keys.size() + kGraceTicks) {
            KillTimer(nullptr, timer);
            if (IsWindowVisible(state.Dialog)) PostMessageA(state.Dialog, WM_CLOSE, 0, 0);
        }
    }
};

// Presses Esc in the dialog (of the system's dialog class) that has the focus.
void CALLBACK EscapeFromDialog(HWND, UINT, UINT_PTR, DWORD) {
    HWND focus = GetFocus();
    HWND dialog = focus != nullptr ? GetAncestor(focus, GA_ROOT) : nullptr;
    if (dialog != nullptr && IsClass(dialog, "#32770")) PostMessageA(focus, WM_KEYDOWN, VK_ESCAPE, 1);
}

using Keys = std::vector<KeyScript::Key>;
constexpr KeyScript::Key Press(WPARAM key) { return {WM_KEYDOWN, key}; }
constexpr KeyScript::Key Type(char character) { return {WM_CHAR, static_cast<WPARAM>(character)}; }

class AccessibilityTest : public testing::RunTest {
protected:
    void SetUp() override {
        RunTest::SetUp();
        run_.Lists.Users = UserListCreate(run_.Palm);
        host_ = CreateWindowExA(0, "STATIC", "host", WS_POPUP | WS_VISIBLE, 0, 0, Scaled(300), Scaled(460), nullptr,
                                nullptr, nullptr, nullptr);
    }
    void TearDown() override {
        DestroyWindow(host_);
        RunTest::TearDown();
    }

    // Shows the reminder for Alice Martin, typing `keys` once its loop runs;
    // returns its modal result.
    int RunReminder(Keys keys) {
        const DueUsers due = {{"Alice Martin", 1001}};
        TfrmRemind reminder(host_, run_);
        reminder.SetDueUsers(&due);
        ui_.OnModal = [&keys](HWND dialog) { KeyScript::Start(dialog, keys); };
        const int result = reminder.ShowModal();
        countdownStopped_ = !reminder.TimerRunning(TfrmRemind::kCloseTimer);
        answer_ = {reminder.Answer(), reminder.AnswerDelay()};
        return result;
    }

    testing::RecordingUi ui_;
    HWND host_ = nullptr;
    std::pair<int, int32_t> answer_;
    bool countdownStopped_ = false;
};

TEST_F(AccessibilityTest, TabVisitsEveryActingControlInReadingOrderAndComesRound) {
    for (const testing::WindowBuilder& builder : testing::kWindows) {
        SCOPED_TRACE(builder.Name);
        const std::unique_ptr<Form> window = builder.Build(host_, run_);
        ShowWindow(window->Handle(), SW_SHOWNA);
        CheckTabOrder(window->Handle());
    }
}

TEST_F(AccessibilityTest, KeysNeverRestyleAButtonNorMoveTheDefault) {
    for (const testing::WindowBuilder& builder : testing::kWindows) {
        SCOPED_TRACE(builder.Name);
        const std::unique_ptr<Form> window = builder.Build(host_, run_);
        HWND form = window->Handle();
        ShowWindow(form, SW_SHOWNA);
        const std::vector<HWND> ownerDrawn = OwnerDrawnButtons(form);
        const LRESULT defaultId = SendMessageA(form, DM_GETDEFID, 0, 0);
        window->FocusFirstControl();
        for (std::size_t i = 0; i <= TabCycle(form).size(); ++i) DialogKey(form, WM_KEYDOWN, VK_TAB);
        DialogKey(form, WM_SYSCHAR, FirstMnemonic(form));
        for (HWND button : ownerDrawn) {
            EXPECT_EQ(StyleOf(button) & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW)) << Describe(button);
        }
        EXPECT_EQ(SendMessageA(form, DM_GETDEFID, 0, 0), defaultId);
    }
}

TEST_F(AccessibilityTest, TheFocusComesBackAfterANestedWindowAndGoesWithThePageShown) {
    App().Initialize(kAppTitle);
    TfrmMain main(run_);
    main.HideMain();
    main.sbtnCMClick();  // as the icon's menu does
    main.ShowMain();
    EXPECT_EQ(GetFocus(), GetNextDlgTabItem(main.ConduitPage()->Handle(), nullptr, FALSE));
    // Custom on the first conduit, whose own settings dialog Esc closes.
    HWND custom = main.ConduitPage()->Control(TfrmCM::idLblCustom);
    SelectListRow(main.ConduitPage()->Control(TfrmCM::idLvCond), 0);
    SendMessageA(main.Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(custom), TRUE);
    const UINT_PTR escape = SetTimer(nullptr, 0, 50, EscapeFromDialog);
    main.ConduitPage()->lblCustomClick();
    KillTimer(nullptr, escape);
    EXPECT_EQ(GetFocus(), custom) << Describe(GetFocus()) << " has the focus";
}

TEST_F(AccessibilityTest, EveryInputFollowsTheLabelThatNamesIt) {
    for (const testing::WindowBuilder& builder : testing::kWindows) {
        SCOPED_TRACE(builder.Name);
        CheckLabels(builder.Build(host_, run_)->Handle());
    }
}

TEST_F(AccessibilityTest, KeysDoWhatAKeyboardUserExpects) {
    {
        SCOPED_TRACE("reminder: the arrows choose Start HotSync Now, Enter starts it");
        run_.Options.RemindSec = 0;  // the countdown never acts by itself
        run_.Options.RemindIndex = 3;
        EXPECT_EQ(RunReminder({Press(VK_UP), Press(VK_UP), Press(VK_RETURN)}), Form::mrOk);
        ASSERT_EQ(ui_.Started.size(), 1u);
        EXPECT_EQ(ui_.Started[0], desktop_ + "\\HOTSYNC.EXE");
        EXPECT_EQ(answer_, std::make_pair(int{TfrmRemind::chNextPeriod}, 0));
    }
    {
        SCOPED_TRACE("reminder: Tab to the minutes, type them, Enter delays");
        run_.Options.RemindIndex = 2;
        EXPECT_EQ(RunReminder({Press(VK_TAB), Type('1'), Type('5'), Press(VK_RETURN)}), Form::mrOk);
        EXPECT_EQ(answer_, std::make_pair(int{TfrmRemind::chDelay}, 15));
    }
    {
        SCOPED_TRACE("reminder: any key stops the countdown; Esc lets the occurrence pass as the close box does");
        ui_.Started.clear();
        run_.Options.RemindSec = 30;
        EXPECT_EQ(RunReminder({Press(VK_SHIFT), Press(VK_ESCAPE)}), Form::mrCancel);
        EXPECT_TRUE(countdownStopped_);
        EXPECT_TRUE(ui_.Started.empty());
    }
    const std::size_t users = run_.Lists.Users->Records.size();
    for (const bool enter : {true, false}) {
        SCOPED_TRACE(enter ? "name dialog: Enter adds" : "name dialog: Esc cancels");
        TfrmUsrProp dialog(host_, run_);
        dialog.Prepare(nullptr, ukUser);
        const Keys keys = {Type('C'), Type('a'), Type('r'), Type('o'), Type('l'), Press(enter ? VK_RETURN : VK_ESCAPE)};
        ui_.OnModal = [&keys](HWND shown) { KeyScript::Start(shown, keys); };
        EXPECT_EQ(dialog.ShowModal(), enter ? Form::mrOk : Form::mrCancel);
        EXPECT_EQ(run_.Lists.Users->Records.size(), users + 1);
    }
}

}  // namespace
}  // namespace corvane
