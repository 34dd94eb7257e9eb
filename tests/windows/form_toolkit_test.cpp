#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include <stdexcept>

#include "application.h"
#include "controls.h"
#include "form.h"
#include "list_view.h"
#include "popup_menu.h"
#include "recording_ui.h"
#include "resource_ids.h"

namespace corvane {
namespace {

// A small page with one control of each kind the later windows need.
class SamplePage : public Form {
public:
    enum { idLabel = 10, idImage, idPanel, idInPanel, idList, idCheck };

    SamplePage() : host_(CreateWindowExA(0, "STATIC", "host", WS_POPUP, 0, 0, 300, 300, nullptr, nullptr, nullptr, nullptr)) {
        CreatePage("SamplePage", host_, 300, 300);
        SetBackColor(kPageColor);
        AddControl({ControlKind::Image, idImage, 10, 10, 55, 23, IDB_BUTTON});
        ControlLook link;
        link.HandCursor = true;
        link.Backdrop = idImage;
        AddControl({ControlKind::Label, idLabel, 20, 15, 40, 13, "Custom"}, link);
        AddControl({ControlKind::Panel, idPanel, 0, 40, 300, 40});
        AddControl({ControlKind::CheckBox, idInPanel, 5, 5, 100, 17, "Inside", idPanel});
        AddControl({ControlKind::ListViewReport, idList, 10, 90, 268, 168});
        AddControl({ControlKind::CheckBox, idCheck, 10, 270, 200, 17, "Update"});
    }

    ~SamplePage() override {
        if (Handle() != nullptr) DestroyWindow(Handle());
        DestroyWindow(host_);
    }

    int Clicks = 0;
    int PanelClicks = 0;

private:
    HWND host_;

protected:
    void OnCommand(int id, int code, HWND) override {
        if (id == idLabel && code == STN_CLICKED) ++Clicks;
        if (id == idInPanel && code == BN_CLICKED) ++PanelClicks;
    }
};

TEST(FormToolkit, FindsControlsInPanelsAndPassesTheirEventsOn) {
    SamplePage page;
    ASSERT_NE(page.Control(SamplePage::idInPanel), nullptr);
    EXPECT_EQ(GetParent(page.Control(SamplePage::idInPanel)), page.Control(SamplePage::idPanel));
    SendMessageA(page.Control(SamplePage::idInPanel), BM_CLICK, 0, 0);
    EXPECT_EQ(page.PanelClicks, 1);
    EXPECT_TRUE(IsChecked(page.Control(SamplePage::idInPanel)));
    SendMessageA(page.Handle(), WM_COMMAND, MAKEWPARAM(SamplePage::idLabel, STN_CLICKED),
                 reinterpret_cast<LPARAM>(page.Control(SamplePage::idLabel)));
    EXPECT_EQ(page.Clicks, 1);
    page.SetLabelText(SamplePage::idLabel, "Default");
    EXPECT_EQ(TextOf(page.Control(SamplePage::idLabel)), "Default");
}

// The form sets the cursor itself (and says so) only over clickable labels.
TEST(FormToolkit, ClickableLabelsShowAHandCursor) {
    SamplePage page;
    EXPECT_EQ(SendMessageA(page.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(page.Control(SamplePage::idLabel)),
                           HTCLIENT),
              TRUE);
    EXPECT_EQ(SendMessageA(page.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(page.Control(SamplePage::idPanel)),
                           HTCLIENT),
              FALSE);
}

TEST(FormToolkit, ReportListKeepsCheckStatesAndHiddenCells) {
    SamplePage page;
    HWND list = page.Control(SamplePage::idList);
    AddListColumn(list, 0, "Type", 115);
    AddListColumn(list, 1, "Current Action", 130);
    AddListColumn(list, 2, "Index", 0);
    for (const char* name : {"Date Book", "Memo Pad"}) {
        const int row = AddListRow(list, name);
        SetListCell(list, row, 1, "Do nothing");
        SetListCell(list, row, 2, row == 0 ? "1" : "0");
        SetRowChecked(list, row, row == 0);
    }
    ASSERT_EQ(ListRowCount(list), 2);
    EXPECT_TRUE(RowChecked(list, 0));
    EXPECT_FALSE(RowChecked(list, 1));
    EXPECT_EQ(ListCell(list, 1, 0), "Memo Pad");
    EXPECT_EQ(ListCell(list, 0, 2), "1");
    EXPECT_EQ(ListView_GetColumnWidth(list, 2), 0);
    SelectListRow(list, 1);
    EXPECT_EQ(SelectedListRow(list), 1);
    // Rows that do not exist are never checked (the common controls answer -1 for them).
    EXPECT_FALSE(RowChecked(list, -1));
    EXPECT_FALSE(RowChecked(list, 2));
    NMHEADERA track{};
    track.iItem = 2;
    EXPECT_TRUE(RefusesColumnTrack(list, track));
    track.iItem = 1;
    EXPECT_FALSE(RefusesColumnTrack(list, track));
}

// A tick is read from the state-image bits of the item-changed notice: the
// row's insertion and changes of selection or focus are never ticks.
TEST(FormToolkit, TellsCheckBoxChangesFromOtherItemChanges) {
    const UINT clear = INDEXTOSTATEIMAGEMASK(1);
    const UINT ticked = INDEXTOSTATEIMAGEMASK(2);
    const struct {
        UINT changed, oldState, newState;
        bool isCheckChange, nowChecked;
    } rows[] = {
        {LVIF_STATE, clear, ticked, true, true},
        {LVIF_STATE, ticked, clear, true, false},
        {LVIF_STATE, 0, clear, false, false},                                   // the row gets its box
        {LVIF_STATE, ticked, ticked | LVIS_SELECTED | LVIS_FOCUSED, false, false},  // selected
        {LVIF_TEXT, clear, ticked, false, false},
    };
    for (const auto& row : rows) {
        NMLISTVIEW change{};
        change.uChanged = row.changed;
        change.uOldState = row.oldState;
        change.uNewState = row.newState;
        bool checked = !row.nowChecked;
        EXPECT_EQ(CheckBoxChanged(change, &checked), row.isCheckChange) << row.oldState << " " << row.newState;
        if (row.isCheckChange) {
            EXPECT_EQ(checked, row.nowChecked);
        }
    }
}

TEST(FormToolkit, TimersRunUntilStoppedOrDestroyed) {
    SamplePage page;
    EXPECT_TRUE(page.StartTimer(7, 60000));
    EXPECT_TRUE(page.TimerRunning(7));
    page.StopTimer(7);
    EXPECT_FALSE(page.TimerRunning(7));
}

TEST(FormToolkit, PopupMenusHoldTheirItemsSeparatorsAndMarksInOrder) {
    const PopupMenu menu({{10, "Synchronize the files"}, PopupMenu::Separator, {13, "Do Nothing", true}});
    ASSERT_EQ(GetMenuItemCount(menu.Handle()), 3);
    char caption[64];
    GetMenuStringA(menu.Handle(), 2, caption, sizeof caption, MF_BYPOSITION);
    EXPECT_STREQ(caption, "Do Nothing");
    EXPECT_EQ(GetMenuItemID(menu.Handle(), 0), 10u);
    EXPECT_EQ(GetMenuState(menu.Handle(), 1, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(GetMenuState(menu.Handle(), 2, MF_BYPOSITION) & MF_CHECKED, static_cast<UINT>(MF_CHECKED));
    EXPECT_EQ(GetMenuState(menu.Handle(), 0, MF_BYPOSITION) & MF_CHECKED, 0u);
}

// A page hosted in a form numbers its controls as it likes: each form finds only its own.
TEST(FormToolkit, EachFormFindsOnlyItsOwnControls) {
    SamplePage host;
    SamplePage page;
    SetParent(page.Handle(), host.Handle());
    EXPECT_EQ(GetParent(host.Control(SamplePage::idCheck)), host.Handle());
    EXPECT_EQ(GetParent(page.Control(SamplePage::idCheck)), page.Handle());
    EXPECT_EQ(host.Control(99), nullptr);
}

// A form whose window cannot be created (here: its host is no window) fails cleanly.
class OrphanPage : public Form {
public:
    OrphanPage() { CreatePage("OrphanPage", reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1234)), 10, 10); }
};

TEST(FormToolkit, AFormWithoutItsWindowHasNoControlsAndNoTimers) {
    OrphanPage page;
    EXPECT_FALSE(page.Created());
    EXPECT_EQ(page.AddControl({ControlKind::CheckBox, 10, 0, 0, 10, 10, "x"}), nullptr);
    EXPECT_EQ(page.Control(10), nullptr);
    EXPECT_FALSE(page.StartTimer(1, 1000));
    EXPECT_EQ(page.ShowModal(), Form::mrCancel);
}

// A label longer than its layout grows to the right up to the next control on
// its line, or to its parent's edge; a short one keeps its layout width.
TEST(FormToolkit, LabelsGrowToTheirTextUpToTheNextControl) {
    SamplePage page;
    const ControlSpec next = {ControlKind::CheckBox, 30, 150, 100, 40, 17, "x"};
    page.AddControl(next);
    const struct {
        int id;
        int y;
        const char* text;
        int minWidth, maxWidth;
    } rows[] = {
        {31, 100, "Synchronization Time: and a long tail", 60, 140},  // stops at the check box at x 150
        {32, 130, "Synchronization Time: and a long tail of words", 150, 290},
        {33, 160, "Hi", 20, 20},
    };
    for (const auto& row : rows) {
        HWND label = page.AddControl({ControlKind::Label, row.id, 10, row.y, 20, 13, row.text});
        RECT client;
        GetClientRect(label, &client);
        EXPECT_GE(client.right, row.minWidth) << row.text;
        EXPECT_LE(client.right, row.maxWidth) << row.text;
    }
}

// A second modal window disables every other window of the program, and
// gives back exactly those it disabled; the task-bar entry shows meanwhile.
TEST(FormToolkit, AModalWindowDisablesTheOthersAndRestoresExactlyThose) {
    testing::RecordingUi ui;
    App().Initialize("Corvane V1.2");
    HWND enabled = CreateWindowExA(0, "STATIC", "a", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    HWND disabled = CreateWindowExA(0, "STATIC", "b", WS_POPUP | WS_DISABLED, 0, 0, 10, 10, nullptr, nullptr,
                                    nullptr, nullptr);
    class Dialog : public Form {
    public:
        Dialog() { CreateDialogWindow("ModalSample", nullptr, "Sample", 100, 50); }
    } modal;
    bool othersDisabled = false;
    bool entryShown = false;
    ui.OnModal = [&](HWND window) {
        othersDisabled = !IsWindowEnabled(enabled) && !IsWindowEnabled(disabled) && IsWindowEnabled(window);
        entryShown = IsWindowVisible(App().Handle()) != FALSE;
        PostMessageA(window, WM_CLOSE, 0, 0);
    };
    EXPECT_EQ(modal.ShowModal(), Form::mrCancel);
    EXPECT_TRUE(othersDisabled);
    EXPECT_TRUE(entryShown);
    EXPECT_TRUE(IsWindowEnabled(enabled));
    EXPECT_FALSE(IsWindowEnabled(disabled));
    EXPECT_FALSE(IsWindowVisible(App().Handle()));
    DestroyWindow(enabled);
    DestroyWindow(disabled);
}

// Closing a window while a nested loop runs is put off until the loop has
// returned; modal windows are asked to end meanwhile.
TEST(FormToolkit, ClosingWaitsForNestedLoops) {
    HWND window = CreateWindowExA(0, "STATIC", "main", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    HWND modal = CreateWindowExA(0, "STATIC", "modal", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    MSG message;
    {
        const NestedLoop loop;
        App().ModalStarted(modal);
        EXPECT_FALSE(App().MayClose(window));
        EXPECT_TRUE(PeekMessageA(&message, modal, WM_CLOSE, WM_CLOSE, PM_REMOVE));
        EXPECT_FALSE(PeekMessageA(&message, window, WM_CLOSE, WM_CLOSE, PM_REMOVE));
        App().ModalEnded(modal);
    }
    EXPECT_TRUE(PeekMessageA(&message, window, WM_CLOSE, WM_CLOSE, PM_REMOVE));
    EXPECT_TRUE(App().MayClose(window));
    DestroyWindow(window);
    DestroyWindow(modal);
}

// An exception cannot unwind through the system's window procedure frames:
// it is reported with the application's message box, and the program goes on.
class ThrowingPage : public SamplePage {
protected:
    void OnCommand(int, int, HWND) override { throw std::runtime_error("Out of memory."); }
};

TEST(FormToolkit, AnExceptionInAHandlerIsReportedAndTheProgramGoesOn) {
    testing::RecordingUi ui;
    App().Initialize("Corvane V1.2");
    ThrowingPage page;
    SendMessageA(page.Handle(), WM_COMMAND, MAKEWPARAM(SamplePage::idCheck, BN_CLICKED), 0);
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].Text, "Out of memory.");
    EXPECT_EQ(ui.Messages[0].Caption, "Corvane V1.2");
    EXPECT_EQ(ui.Messages[0].Type, static_cast<UINT>(MB_OK | MB_ICONSTOP));
}

}  // namespace
}  // namespace corvane
