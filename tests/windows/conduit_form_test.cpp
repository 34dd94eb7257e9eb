#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <cstring>
#include <memory>
#include <string>

#include "application.h"
#include "conduit_form.h"
#include "controls.h"
#include "list_view.h"
#include "options.h"
#include "run_fixture.h"
#include "recording_ui.h"
#include "shared_lists.h"

namespace corvane {
namespace {

using Id = TfrmCM::ControlId;

// Answers the next popup menu from a thread timer as a person at the
// keyboard: `position` presses of the down arrow and Enter (Esc for 0).
// Counts the menus answered and the items of the last.
struct MenuDriver {
    static inline int Position = 0, MenusSeen = 0, Items = 0;
    static void CALLBACK Tick(HWND, UINT, UINT_PTR timer, DWORD) {
        HWND menu = FindWindowA("#32768", nullptr);
        if (menu == nullptr || !IsWindowVisible(menu)) return;
        KillTimer(nullptr, timer);
        ++MenusSeen;
        Items = GetMenuItemCount(reinterpret_cast<HMENU>(SendMessageA(menu, MN_GETHMENU, 0, 0)));
        for (int i = 0; i < Position; ++i) PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageA(menu, WM_KEYDOWN, Position > 0 ? VK_RETURN : VK_ESCAPE, 0);
    }
    // Sends the page a context menu at `position` (-1: from the keyboard).
    static void OpenOn(HWND page, HWND list, LPARAM position, int choose) {
        Position = choose;
        const UINT_PTR timer = SetTimer(nullptr, 0, 30, Tick);
        SendMessageA(page, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), position);
        KillTimer(nullptr, timer);
    }
};

// The conduit page in a host window, against the demo Palm Desktop: users
// 1001 Alice Martin, 1002 Bob Lee, 1003 Travel (a profile); conduits date,
// addr, todo, memo, exps, inst, BKUP; Alice has date.Temp=1 and memo.Perm=3.
class ConduitFormTest : public testing::RunTest {
protected:
    void SetUp() override {
        RunTest::SetUp();
        host_ = CreateWindowExA(0, "STATIC", "host", WS_POPUP, 0, 0, 300, 460, nullptr, nullptr, nullptr, nullptr);
    }
    void TearDown() override {
        page_.reset();
        DestroyWindow(host_);
        run_.Lists.ConduitNames.reset();
        RunTest::TearDown();
    }

    TfrmCM& Open() {
        page_ = std::make_unique<TfrmCM>(host_, run_);
        return *page_;
    }
    HWND List() const { return page_->Control(Id::idLvCond); }
    // "Type|Current Action|box|marker" of a row.
    std::string Row(int row) const {
        return ListCell(List(), row, 0) + "|" + ListCell(List(), row, 1) + "|" +
               (RowChecked(List(), row) ? "ticked" : "clear") + "|" + (page_->RowApplied(row) ? "1" : "0");
    }
    std::string Preference(const char* key, const char* user = "1001") const {
        return State((std::string("Preferences ") + user).c_str(), key);
    }
    std::string AllPreferences() const {
        char text[4096] = "";
        std::string all;
        for (const char* user : {"Preferences 1001", "Preferences 1002"}) {
            GetPrivateProfileSectionA(user, text, sizeof text, StateFile().c_str());
            for (const char* entry = text; *entry != '\0'; entry += std::strlen(entry) + 1) all += std::string(entry) + ";";
        }
        return all;
    }

    testing::RecordingUi ui_;
    HWND host_ = nullptr;
    std::unique_ptr<TfrmCM> page_;
};

TEST_F(ConduitFormTest, ShowsTheChosenUsersActionsAndWritesNothingWhileFilling) {
    const std::string before = AllPreferences();
    TfrmCM& page = Open();
    const char* const alice[] = {
        "Date Book|Desktop overwrite handheld|ticked|1", "Address Book|Synchronize the files|ticked|1",
        "To Do List|Synchronize the files|ticked|1",     "Memo Pad|Do nothing|clear|0",
        "Expense|Handheld overwrite desktop|ticked|1",   "Install|Synchronize the files|ticked|1",
        "Backup|Handheld overwrite desktop|ticked|1",
    };
    ASSERT_EQ(ListRowCount(List()), 7);
    for (int row = 0; row < 7; ++row) {
        EXPECT_EQ(Row(row), alice[row]);
        EXPECT_EQ(ListCell(List(), row, 2), "");  // the marker is in no column
    }
    EXPECT_EQ(SelectedListRow(List()), 0);
    HWND chooser = page.Control(Id::idCbUser);
    ComboSelect(chooser, 1);
    SendMessageA(page.Handle(), WM_COMMAND, MAKEWPARAM(Id::idCbUser, CBN_SELCHANGE), reinterpret_cast<LPARAM>(chooser));
    EXPECT_EQ(Row(1), "Address Book|Handheld overwrite desktop|ticked|1");
    // Filling rows and ticking their boxes is never taken for the person's ticks.
    EXPECT_EQ(AllPreferences(), before);
    EXPECT_EQ(GetNextDlgTabItem(page.Handle(), chooser, FALSE), List());
    EXPECT_EQ(GetNextDlgTabItem(page.Handle(), List(), FALSE), page.Control(Id::idCbPermanent));
}

TEST_F(ConduitFormTest, BoxesMenuAndSpaceBarWriteAtOnce) {
    enum How { Tick, Clear, Space, Menu };
    const struct {
        How how;
        int row;
        int item;  // the menu item's place, from 1
        bool permanent;
        const char* shown;
        const char* temporary;
        const char* stored;  // the permanent preference afterwards
    } cases[] = {
        {Clear, 0, 0, false, "Date Book|Do nothing|clear|0", "3", "(none)"},
        {Tick, 3, 0, false, "Memo Pad|Synchronize the files|ticked|1", "0", "3"},
        {Clear, 4, 0, true, "Expense|Do nothing|clear|0", "3", "3"},
        {Tick, 4, 0, true, "Expense|Handheld overwrite desktop|ticked|1", "2", "2"},
        {Space, 1, 0, false, "Address Book|Do nothing|clear|0", "3", "(none)"},
        {Space, 1, 0, false, "Address Book|Synchronize the files|ticked|1", "0", "(none)"},
        {Menu, 3, 4, false, "Memo Pad|Do nothing|clear|0", "3", "3"},
        {Menu, 3, 3, false, "Memo Pad|Handheld overwrite desktop|ticked|1", "2", "3"},
        {Menu, 3, 2, true, "Memo Pad|Desktop overwrite handheld|ticked|1", "1", "1"},
    };
    run_.Options.UpdatePermanent = 1;
    EXPECT_TRUE(IsChecked(Open().Control(Id::idCbPermanent)));
    const char* const keys[] = {"date", "addr", "todo", "memo", "exps"};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        if (c.permanent != IsChecked(page_->Control(Id::idCbPermanent))) {
            SendMessageA(page_->Control(Id::idCbPermanent), BM_CLICK, 0, 0);
        }
        SelectListRow(List(), c.row);
        if (c.how == Tick || c.how == Clear) SetRowChecked(List(), c.row, c.how == Tick);
        if (c.how == Space) SendMessageA(List(), WM_KEYDOWN, VK_SPACE, 0);
        if (c.how == Menu) {
            MenuDriver::MenusSeen = 0;
            MenuDriver::OpenOn(page_->Handle(), List(), -1, c.item);  // Shift+F10, the menu key
            EXPECT_EQ(MenuDriver::MenusSeen, 1);
            EXPECT_EQ(MenuDriver::Items, 4);
        }
        EXPECT_EQ(Row(c.row), c.shown);
        EXPECT_EQ(Preference((std::string(keys[c.row]) + ".Temp").c_str()), c.temporary);
        EXPECT_EQ(Preference((std::string(keys[c.row]) + ".Perm").c_str()), c.stored);
    }
    // A right click below the last row opens nothing.
    RECT client;
    GetClientRect(List(), &client);
    POINT below{client.right / 2, client.bottom - 4};
    ClientToScreen(List(), &below);
    MenuDriver::MenusSeen = 0;
    MenuDriver::OpenOn(page_->Handle(), List(), MAKELPARAM(below.x, below.y), 0);
    EXPECT_EQ(MenuDriver::MenusSeen, 0);
    // The hidden "Index" column cannot be dragged open; the others can.
    for (int column : {1, 2}) {
        NMHEADERA notice{};
        notice.hdr = {ListView_GetHeader(List()), 0, static_cast<UINT>(HDN_BEGINTRACKW)};
        notice.iItem = column;
        EXPECT_EQ(SendMessageA(page_->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notice)),
                  column == 2 ? TRUE : FALSE);
    }
}

// Palm Desktop refusing to store an action: the person is told, and the row
// shows what Palm Desktop holds, box included, whichever way it was changed.
TEST_F(ConduitFormTest, ARefusedActionIsToldAndTheRowShowsWhatPalmHolds) {
    SetState("Quirks", "LockedTemp", "1");
    Open();
    const std::string memo = Row(3);
    for (int how = 0; how < 2; ++how) {
        ui_.Messages.clear();
        SelectListRow(List(), 3);
        if (how == 0) SetRowChecked(List(), 3, true);
        if (how == 1) MenuDriver::OpenOn(page_->Handle(), List(), -1, 1);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        EXPECT_EQ(Row(3), memo) << how;
        ASSERT_EQ(ui_.Messages.size(), 1u) << how;
        EXPECT_EQ(ui_.Messages[0].Text.rfind("Palm Desktop did not store the action", 0), 0u);
    }
    EXPECT_EQ(Preference("memo.Temp"), "(none)");
}

TEST_F(ConduitFormTest, CustomTakesTheConduitsChoice) {
    SetState("Conduits", "Creators", "scrp,fail,ncfg,cfgs");
    SetState("Conduit scrp", "ConduitFile", "Scripted.dll");
    SetState("Conduit fail", "ConduitFile", "FailConfigure.dll");
    SetState("Conduit ncfg", "ConduitFile", "NoConfigure.dll");
    SetState("Conduit cfgs", "ConduitFile", "CfgScripted.dll");
    const struct {
        int row;
        const char* syncType;  // what Scripted.dll and CfgScripted.dll answer
        const char* shown;
        const char* temporary;
        bool refused;  // "Can not customize this conduit, Sorry!"
    } cases[] = {
        {0, "6", "Scripted|Do nothing|clear|0", "3", false},
        {0, "2", "Scripted|Handheld overwrite desktop|ticked|1", "2", false},
        {0, "4", "Scripted|Handheld overwrite desktop|ticked|1", "2", false},  // no action: the one in force
        {1, "0", "Failing Settings|Do nothing|clear|0", "3", true},              // sets 6 and answers -100
        {2, "0", "No Settings|Desktop overwrite handheld|ticked|1", "1", true},  // the action in force again
        {3, "3", "Scripted Settings|Desktop overwrite handheld|ticked|1", "1", false},  // through CfgConduit
    };
    const char* const keys[] = {"scrp.Temp", "fail.Temp", "ncfg.Temp", "cfgs.Temp"};
    Open();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        ui_.Messages.clear();
        SetState("Scripted", "SyncType", c.syncType);
        SelectListRow(List(), c.row);
        page_->lblCustomClick();
        EXPECT_EQ(Row(c.row), c.shown);
        EXPECT_EQ(Preference(keys[c.row]), c.temporary);
        ASSERT_EQ(ui_.Messages.size(), c.refused ? 1u : 0u);
        if (c.refused) {
            EXPECT_EQ(ui_.Messages[0].Text + ui_.Messages[0].Caption, "Can not customize this conduit, Sorry!Error");
        }
    }
    EXPECT_EQ(State("CfgConduit Scripted Settings", "UserName"), "Alice Martin");
    EXPECT_EQ(State("Configured Scripted Settings", "Calls"), "(none)");  // its stub is never called
    EXPECT_EQ(App().NestedLoops(), 0);
}

TEST_F(ConduitFormTest, DefaultRestoresHotSyncsSettingsOnlyWhenAnsweredYes) {
    Open();
    for (int answer : {IDNO, IDYES}) {
        ui_.Messages.clear();
        ui_.MessageAnswer = answer;
        page_->lblDefaultClick();
        ASSERT_EQ(ui_.Messages.size(), 1u);
        EXPECT_EQ(ui_.Messages[0].Text, "Do you want to restore the HotSync settings to default?");
        EXPECT_EQ(ui_.Messages[0].Type, static_cast<UINT>(MB_ICONWARNING | MB_YESNO));
        EXPECT_EQ(ListCell(List(), 0, 1), answer == IDYES ? "Synchronize the files" : "Desktop overwrite handheld");
        EXPECT_EQ(State("Calls", "RestoreHotSyncSettings"), answer == IDYES ? "1" : "(none)");
    }
}

TEST_F(ConduitFormTest, AConduitWithoutTitleOrNameShowsTheNameTablesName) {
    SetState("Conduits", "Creators", "unnm,none");
    SetState("Conduit unnm", "ConduitFile", "Unnamed.dll");
    SetState("Conduit none", "ConduitFile", "Unnamed.dll");
    run_.Lists.ConduitNames = std::make_unique<ConduitNameTable>();
    ConduitNameEntry entry{"UNNM", "Unnamed Conduit"};
    run_.Lists.ConduitNames->Entries.push_back(entry);
    Open();
    EXPECT_EQ(Row(0), "Unnamed Conduit|Do nothing|clear|0");
    EXPECT_EQ(Row(1), "|Do nothing|clear|0");
}

class EmptyConduitFormTest : public ConduitFormTest {
protected:
    palmsim::DesktopKind Kind() const override { return palmsim::DesktopKind::Empty; }
};

TEST_F(EmptyConduitFormTest, WithoutUsersOrConduitsOnlyDefaultAsks) {
    TfrmCM& page = Open();
    EXPECT_EQ(ComboCount(page.Control(Id::idCbUser)), 0);
    page.lblCustomClick();
    EXPECT_FALSE(page.SetConduitAction(0, 1));
    EXPECT_TRUE(ui_.Messages.empty());
    ui_.MessageAnswer = IDYES;
    page.lblDefaultClick();
    EXPECT_EQ(State("Calls", "RestoreHotSyncSettings"), "1");
    EXPECT_EQ(ListRowCount(List()), 0);
}

}  // namespace
}  // namespace corvane
