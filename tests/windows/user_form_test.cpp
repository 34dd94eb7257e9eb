#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "conduit_form.h"
#include "application.h"
#include "controls.h"
#include "list_view.h"
#include "options.h"
#include "run_fixture.h"
#include "recording_ui.h"
#include "schedule_form.h"
#include "shared_lists.h"
#include "user_form.h"
#include "user_props_form.h"

namespace corvane {
namespace {

using Id = TfrmUM::ControlId;
using Items = std::vector<std::string>;

Items ListBoxItems(HWND list) {
    Items items;
    for (LRESULT i = 0; i < SendMessageA(list, LB_GETCOUNT, 0, 0); ++i) {
        char text[300] = "";
        SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        items.emplace_back(text);
    }
    return items;
}

// The user page in a host window, against the demo Palm Desktop (users
// 1001 Alice Martin, 1002 Bob Lee, profile 1003 Travel). The name dialog
// gets each name of `typed_` in turn followed by OK, then Cancel if still open.
class UserFormTest : public testing::RunTest {
protected:
    void SetUp() override {
        RunTest::SetUp();
        host_ = CreateWindowExA(0, "STATIC", "host", WS_POPUP, 0, 0, 300, 460, nullptr, nullptr, nullptr, nullptr);
        ui_.OnModal = [this](HWND dialog) { AnswerDialog(dialog); };
    }
    void TearDown() override {
        page_.reset();
        DestroyWindow(host_);
        RunTest::TearDown();
    }

    TfrmUM& Open() {
        page_ = std::make_unique<TfrmUM>(host_, run_);
        page_->SetUsersChangedHandler([this] { ++changes_; });
        return *page_;
    }
    HWND List() const { return page_->Control(Id::idLbxUser); }
    void Click(int id) const { SendMessageA(page_->Control(id), BM_CLICK, 0, 0); }
    void Select(int index) const { SendMessageA(List(), LB_SETCURSEL, static_cast<WPARAM>(index), 0); }

    void AnswerDialog(HWND handle) {
        auto* dialog = dynamic_cast<TfrmUsrProp*>(Window::FromHandle(handle));
        ASSERT_NE(dialog, nullptr);
        shown_ = TextOf(handle) + ":" + TextOf(dialog->Control(TfrmUsrProp::idEdtUserName));
        for (const std::string& name : typed_) {
            SetText(dialog->Control(TfrmUsrProp::idEdtUserName), name.c_str());
            SendMessageA(dialog->Control(TfrmUsrProp::idBtnOK), BM_CLICK, 0, 0);
        }
        if (dialog->ModalResult() == Form::mrNone) SendMessageA(dialog->Control(TfrmUsrProp::idBtnCancel), BM_CLICK, 0, 0);
    }

    testing::RecordingUi ui_;
    HWND host_ = nullptr;
    std::unique_ptr<TfrmUM> page_;
    int changes_ = 0;
    Items typed_;
    std::string shown_;  // the dialog's caption and the name it showed
};

TEST_F(UserFormTest, AddCreatesTheKindShown) {
    const struct {
        bool profiles;
        Items typed;
        Items shown;
        int changes;
        std::string said;  // the first message, "" for none
    } cases[] = {
        {false, {"Carol"}, {"Alice Martin", "Bob Lee", "Carol"}, 1, ""},
        {true, {"Office"}, {"Travel", "Office"}, 1, ""},
        {false, {"", "  "}, {"Alice Martin", "Bob Lee", "Carol", "  "}, 1, "Please specify the user name."},
        {false, {"alice martin"}, {"Alice Martin", "Bob Lee", "Carol", "  "}, 0,  // refused by User Data
         "Palm Desktop did not add \"alice martin\"."},
        {false, {""}, {"Alice Martin", "Bob Lee", "Carol", "  "}, 0, "Please specify the user name."},  // then Cancel
    };
    TfrmUM& page = Open();
    EXPECT_EQ(ListBoxItems(List()), (Items{"Alice Martin", "Bob Lee"}));
    EXPECT_EQ(GetNextDlgTabItem(page.Handle(), page.Control(Id::idRbtnUser), FALSE), List());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown.back());
        ui_.Messages.clear();
        changes_ = 0;
        Click(c.profiles ? Id::idRbtnProfile : Id::idRbtnUser);
        typed_ = c.typed;
        page_->lblUserAddClick();
        EXPECT_EQ(shown_, "Add User:");
        EXPECT_EQ(ListBoxItems(List()), c.shown);
        EXPECT_EQ(changes_, c.changes);
        EXPECT_EQ(ui_.Messages.empty() ? "" : ui_.Messages[0].Text, c.said);
    }
    EXPECT_EQ(State("User 1005", "Profile"), "1");
}

TEST_F(UserFormTest, RenameChangesOnlyWhatWasChanged) {
    Open();
    auto ghost = std::make_unique<UserRecord>();  // a record without a user ID is renamed in add mode
    std::snprintf(ghost->UserName, sizeof ghost->UserName, "Ghost");
    run_.Lists.Users->Records.push_back(std::move(ghost));
    SetState("User 1001", "Name", "Changed Elsewhere");
    const struct {
        int item;
        const char* typed;
        const char* shown;
        Items items;
        int changes;
    } cases[] = {
        {1, "Robert Lee", "Rename User:Bob Lee", {"Alice Martin", "Robert Lee", "Ghost"}, 1},
        {0, "Alice Martin", "Rename User:Alice Martin", {"Alice Martin", "Robert Lee", "Ghost"}, 0},
        {2, "Dana", "Rename User:Ghost", {"Alice Martin", "Robert Lee", "Ghost", "Dana"}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        changes_ = 0;
        page_->FillUserList(ukUser);
        Select(c.item);
        typed_ = {c.typed};
        page_->lblUserRenameClick();
        EXPECT_EQ(shown_, c.shown);
        EXPECT_EQ(ListBoxItems(List()), c.items);
        EXPECT_EQ(changes_, c.changes);
    }
    EXPECT_EQ(State("User 1002", "Name"), "Robert Lee");
    EXPECT_EQ(State("User 1001", "Name"), "Changed Elsewhere");  // an unchanged name calls nothing
    EXPECT_EQ(State("User 1004", "Name"), "Dana");
    page_->lblUserRenameClick();  // nothing selected: no dialog
    EXPECT_EQ(ui_.ModalStarts, 3);
}

TEST_F(UserFormTest, DeleteAsksAndRemovesOnlyOnOk) {
    constexpr char kUser[] = "Delete the user name and ALL ASSOCIATED DATA of \"";
    const size_t room = 255 - (sizeof kUser - 1) - 2;  // the longest name the question holds whole
    const struct {
        bool profiles;
        int answer;
        std::string name;
        std::string question;
        size_t left;  // items left in the list
    } cases[] = {
        {false, IDCANCEL, "Bob Lee", kUser + std::string("Bob Lee\"?"), 2},
        {false, IDCANCEL, std::string(room, 'n'), kUser + std::string(room, 'n') + "\"?", 2},
        {false, IDCANCEL, std::string(255, 'n'), kUser + std::string(room - 3, 'n') + "...\"?", 2},
        {false, IDOK, "Bob Lee", kUser + std::string("Bob Lee\"?"), 1},
        {true, IDOK, "Travel", "Delete the profile and ALL ASSOCIATED DATA of \"Travel\"?", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.question);
        SetState(c.profiles ? "User 1003" : "User 1002", "Name", c.name);
        UserListFree(run_.Lists.Users, run_.Palm);
        Open();
        ui_.Messages.clear();
        changes_ = 0;
        ui_.MessageAnswer = c.answer;
        Click(c.profiles ? Id::idRbtnProfile : Id::idRbtnUser);
        Select(c.profiles ? 0 : 1);
        page_->lblUserDelClick();
        ASSERT_EQ(ui_.Messages.size(), 1u);
        EXPECT_EQ(ui_.Messages[0].Text, c.question);
        EXPECT_EQ(ui_.Messages[0].Caption, "Delete User");
        EXPECT_EQ(ui_.Messages[0].Type, static_cast<UINT>(MB_OKCANCEL | MB_ICONWARNING));
        EXPECT_EQ(ListBoxItems(List()).size(), c.left);
        EXPECT_EQ(changes_, c.answer == IDOK ? 1 : 0);
    }
    EXPECT_EQ(State("Users", "IDs"), "1001");
    ui_.Messages.clear();
    page_->lblUserDelClick();  // nothing selected: no question
    EXPECT_TRUE(ui_.Messages.empty());
}

TEST_F(UserFormTest, WhatUserDataRefusesIsSaidAndNotShownAsDone) {
    SetState("Quirks", "LockedUsers", "1");
    Open();
    Select(1);
    typed_ = {"Robert"};
    page_->lblUserRenameClick();
    typed_ = {"Carol"};
    page_->lblUserAddClick();
    Select(1);
    page_->lblUserDelClick();
    std::vector<std::string> said;
    for (const auto& message : ui_.Messages) {
        if (message.Caption == App().Title() && message.Type == static_cast<UINT>(MB_OK | MB_ICONSTOP)) said.push_back(message.Text);
    }
    EXPECT_EQ(said, (Items{"Palm Desktop did not rename \"Bob Lee\".", "Palm Desktop did not add \"Carol\".",
                           "Palm Desktop did not delete \"Bob Lee\"."}));
    EXPECT_EQ(ListBoxItems(List()), (Items{"Alice Martin", "Bob Lee"}));
    EXPECT_EQ(changes_, 0);
    EXPECT_EQ(State("User 1002", "Name"), "Bob Lee");
}

// The user page and the two pages with user choosers, wired as the main
// window wires them: every change of the users reaches both choosers.
class UserPagesTest : public UserFormTest {
protected:
    void SetUp() override {
        UserFormTest::SetUp();
        conduits_ = std::make_unique<TfrmCM>(host_, run_);
        schedule_ = std::make_unique<TfrmSche>(host_, run_);
        Open().SetUsersChangedHandler([this] {
            conduits_->UsersChanged();
            schedule_->UsersChanged();
        });
    }
    void TearDown() override {
        schedule_.reset();
        conduits_.reset();
        UserFormTest::TearDown();
    }
    static void Choose(HWND chooser, int index) {
        ComboSelect(chooser, index);
        SendMessageA(GetParent(chooser), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(chooser), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(chooser));
    }
    HWND ConduitChooser() const { return conduits_->Control(TfrmCM::idCbUser); }
    HWND ScheduleChooser() const { return schedule_->Control(TfrmSche::idCbxUser); }

    std::unique_ptr<TfrmCM> conduits_;
    std::unique_ptr<TfrmSche> schedule_;
};

TEST_F(UserPagesTest, AUserDeletedWhileBothChoosersShowItLeavesBoth) {
    Choose(ConduitChooser(), 1);
    Choose(ScheduleChooser(), 1);
    ui_.MessageAnswer = IDOK;
    Select(1);
    page_->lblUserDelClick();
    for (HWND chooser : {ConduitChooser(), ScheduleChooser()}) EXPECT_EQ(ComboCount(chooser), 2);
    EXPECT_EQ(conduits_->SelectedUser()->UserID, 1001u);
    EXPECT_EQ(schedule_->SelectedUser()->UserID, 1001u);
    HWND rows = conduits_->Control(TfrmCM::idLvCond);
    EXPECT_EQ(ListCell(rows, 0, 1), "Desktop overwrite handheld");  // Alice's, not Bob's
    SetRowChecked(rows, 0, false);
    EXPECT_EQ(State("Preferences 1001", "date.Temp"), "3");
}

TEST_F(UserPagesTest, TheLastUserDeletedLeavesNoConduitRows) {
    ui_.MessageAnswer = IDOK;
    for (int kind : {Id::idRbtnUser, Id::idRbtnUser, Id::idRbtnProfile}) {
        Click(kind);
        Select(0);
        page_->lblUserDelClick();
    }
    EXPECT_EQ(ComboCount(ConduitChooser()), 0);
    EXPECT_EQ(ListRowCount(conduits_->Control(TfrmCM::idLvCond)), 0);
}

}  // namespace
}  // namespace corvane
