#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <cstring>
#include <memory>
#include <string>
#include <utility>

#include "controls.h"
#include "options.h"
#include "run_fixture.h"
#include "recording_ui.h"
#include "schedule_records.h"
#include "remind_form.h"
#include "presence.h"
#include "product.h"
#include "shared_lists.h"
#include "system_error_text.h"

namespace corvane {
namespace {

using Id = TfrmRemind::ControlId;

using testing::AddSchedule;

int ClientHeight(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    return client.bottom;
}

class RemindFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        run_.Lists.Schedules = std::make_unique<ScheduleList>();
        owner_ = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    }
    void TearDown() override {
        form_.reset();
        DestroyWindow(owner_);
    }

    TfrmRemind& Open(const DueUsers& users) {
        due_ = users;
        form_ = std::make_unique<TfrmRemind>(owner_, run_);
        EXPECT_TRUE(form_->SetDueUsers(&due_));
        return *form_;
    }
    std::string Text(int id) const { return TextOf(form_->Control(id)); }
    bool Checked(int id) const { return IsChecked(form_->Control(id)); }

    testing::RecordingUi ui_;
    RunState run_;
    HWND owner_ = nullptr;
    DueUsers due_;
    std::unique_ptr<TfrmRemind> form_;
};

TEST_F(RemindFormTest, LaysOutOneUserWithoutTheList) {
    TfrmRemind& form = Open({{"Alice Martin", 1001}});
    EXPECT_EQ(Text(Id::idLblDesc), "It's time for user Alice Martin to start HotSync Now!");
    EXPECT_EQ(ClientHeight(form.Handle()), 206 - 75);
    EXPECT_FALSE(form.UserListShown());
    EXPECT_FALSE(IsShown(form.Control(Id::idLblDetail)));
    EXPECT_EQ(Text(Id::idLblClose), "Close in 10 sec.");
    EXPECT_EQ(Text(Id::idEdtMin), "5");
    EXPECT_TRUE(Checked(Id::idRbtnLater));
}

TEST_F(RemindFormTest, LaysOutSeveralUsersWithTheListAndTheHideLink) {
    TfrmRemind& form = Open({{"Alice Martin", 1001}, {"Bob Lee", 1002}});
    EXPECT_EQ(Text(Id::idLblDesc), "It's time for some users to start HotSync Now!");
    EXPECT_EQ(ClientHeight(form.Handle()), 206);
    EXPECT_EQ(ListView_GetItemCount(form.Control(Id::idLvUser)), 2);
    EXPECT_EQ(Text(Id::idLblDetail), "Hide");

    form.lblDetailClick();
    EXPECT_FALSE(form.UserListShown());
    EXPECT_EQ(ClientHeight(form.Handle()), 131);
    EXPECT_EQ(Text(Id::idLblDetail), "Detail");
    EXPECT_EQ(run_.Options.RemindDetail, 0);
    form.lblDetailClick();
    EXPECT_TRUE(form.UserListShown());
    EXPECT_EQ(run_.Options.RemindDetail, 1);
}

TEST_F(RemindFormTest, AHiddenListStartsHiddenForSeveralUsers) {
    run_.Options.RemindDetail = 0;
    TfrmRemind& form = Open({{"Alice Martin", 1001}, {"Bob Lee", 1002}});
    EXPECT_FALSE(form.UserListShown());
    EXPECT_EQ(ClientHeight(form.Handle()), 131);
    EXPECT_EQ(Text(Id::idLblDetail), "Detail");
}

TEST_F(RemindFormTest, ANameTooLongForTheDescriptionKeepsItsStart) {
    const std::string name(80, 'n');
    Open({{name, 1001}});
    const std::string description = Text(Id::idLblDesc);
    EXPECT_LT(description.size(), 100u);
    EXPECT_EQ(description, "It's time for user " + std::string(55, 'n') + "... to start HotSync Now!");
}

TEST_F(RemindFormTest, PreselectsTheLastChoiceAndWritesItBack) {
    const struct {
        int32_t stored;
        int checked;
        int32_t written;
    } rows[] = {{1, Id::idRbtnNow, 1}, {2, Id::idRbtnLater, 2}, {3, Id::idRbtnNo, 3}, {0, Id::idRbtnNo, 3},
                {7, Id::idRbtnNo, 3}};
    for (const auto& row : rows) {
        run_.Options.RemindIndex = row.stored;
        Open({{"Alice Martin", 1001}});
        EXPECT_TRUE(Checked(row.checked)) << row.stored;
        EXPECT_EQ(run_.Options.RemindIndex, row.written);
        EXPECT_EQ(IsWindowEnabled(form_->Control(Id::idEdtMin)) != FALSE, row.checked == Id::idRbtnLater);
        EXPECT_TRUE(form_->TimerRunning(TfrmRemind::kCloseTimer));  // creation never stops the countdown
    }
}

TEST_F(RemindFormTest, CountsDownWithABeepEachSecondAndActsAtZero) {
    run_.Options.RemindSec = 3;
    run_.Options.RemindIndex = 3;
    TfrmRemind& form = Open({{"Alice Martin", 1001}});
    form.tmCloseTimer();
    run_.UserPresence.Locked = true;  // holds, silent, while the session is locked
    form.tmCloseTimer();
    run_.UserPresence.Locked = false;
    form.tmCloseTimer();
    EXPECT_EQ(Text(Id::idLblClose), "Close in 1 sec.");
    EXPECT_EQ(form.ModalResult(), Form::mrNone);
    form.tmCloseTimer();
    EXPECT_EQ(form.ModalResult(), Form::mrOk);
    EXPECT_EQ(ui_.Beeps, std::vector<UINT>(3, MB_ICONEXCLAMATION));
    EXPECT_EQ(form.Answer(), TfrmRemind::chNextPeriod);
}

TEST_F(RemindFormTest, ACountdownFromZeroNeverActs) {
    run_.Options.RemindSec = 0;
    TfrmRemind& form = Open({{"Alice Martin", 1001}});
    for (int i = 0; i < 3; ++i) form.tmCloseTimer();
    EXPECT_EQ(form.Countdown(), -3);
    EXPECT_EQ(Text(Id::idLblClose), "Close in -3 sec.");
    EXPECT_EQ(form.ModalResult(), Form::mrNone);
    EXPECT_EQ(ui_.Beeps.size(), 3u);
}

TEST_F(RemindFormTest, TouchingAChoiceStopsTheCountdownForGood) {
    TfrmRemind& form = Open({{"Alice Martin", 1001}});
    SendMessageA(form.Control(Id::idRbtnNow), BM_CLICK, 0, 0);
    EXPECT_FALSE(form.TimerRunning(TfrmRemind::kCloseTimer));
    EXPECT_EQ(Text(Id::idLblClose), "   Close  ");
    EXPECT_EQ(run_.Options.RemindIndex, 1);
    SendMessageA(form.Control(Id::idRbtnNo), BM_CLICK, 0, 0);
    EXPECT_EQ(Text(Id::idLblClose), "  Close  ");
    EXPECT_EQ(run_.Options.RemindIndex, 3);
}

TEST_F(RemindFormTest, LeavingTheDelayBoxRewritesItsNumber) {
    TfrmRemind& form = Open({{"Alice Martin", 1001}});
    SetText(form.Control(Id::idEdtMin), "abc");
    form.edtMinExit();
    EXPECT_EQ(Text(Id::idEdtMin), "0");
    EXPECT_FALSE(form.TimerRunning(TfrmRemind::kCloseTimer));
    EXPECT_EQ(run_.Options.RemindMin, 5);
}

TEST_F(RemindFormTest, RemindAfterMinutesLeavesTheScheduleAlone) {
    ScheduleRecord* record = AddSchedule(run_.Lists.Schedules, 1001, skWeekly, 2, "2358", "20031231");
    TfrmRemind& form = Open({{"Alice Martin", 1001}});
    SendMessageA(form.Control(Id::idRbtnLater), BM_CLICK, 0, 0);
    form.lblCloseClick();
    EXPECT_EQ(form.ModalResult(), Form::mrOk);
    EXPECT_EQ(form.Answer(), TfrmRemind::chDelay);
    EXPECT_EQ(form.AnswerDelay(), 5);
    EXPECT_STREQ(record->SyncTime, "2358");
    EXPECT_STREQ(record->SyncDate, "20031231");
    EXPECT_TRUE(ui_.Started.empty());
}

TEST_F(RemindFormTest, AnInvalidDelayIsRefusedWithAMessage) {
    ScheduleRecord* record = AddSchedule(run_.Lists.Schedules, 1001, skDaily, 0, "0800", "20260603");
    TfrmRemind& form = Open({{"Alice Martin", 1001}});
    SendMessageA(form.Control(Id::idRbtnLater), BM_CLICK, 0, 0);
    for (const char* delay : {"0", "-5", "soon"}) {
        SetText(form.Control(Id::idEdtMin), delay);
        form.lblCloseClick();
    }
    ASSERT_EQ(ui_.Messages.size(), 3u);
    EXPECT_EQ(ui_.Messages[0].Text, "Invalid delay minute value!\n");
    EXPECT_EQ(ui_.Messages[0].Caption, "Error");
    EXPECT_EQ(ui_.Messages[0].Type, static_cast<UINT>(MB_ICONERROR));
    EXPECT_EQ(form.ModalResult(), Form::mrNone);
    EXPECT_STREQ(record->SyncTime, "0800");
    EXPECT_STREQ(record->SyncDate, "20260603");
}

// The reminder stays above other windows; its list view leaves the image list
// to the form (which destroys it once); a second "Close" after the choice was
// made changes nothing.
TEST_F(RemindFormTest, StaysOnTopAndTakesItsAnswerOnce) {
    run_.Options.RemindIndex = 3;
    TfrmRemind& form = Open({{"Alice Martin", 1001}, {"Bob Lee", 1002}});
    EXPECT_NE(GetWindowLongPtrA(form.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_NE(GetWindowLongPtrA(form.Control(Id::idLvUser), GWL_STYLE) & LVS_SHAREIMAGELISTS, 0);
    form.lblCloseClick();
    SendMessageA(form.Control(Id::idRbtnLater), BM_CLICK, 0, 0);
    form.lblCloseClick();
    EXPECT_EQ(form.Answer(), TfrmRemind::chNextPeriod);
}

TEST_F(RemindFormTest, TheCloseBoxChangesNothing) {
    ScheduleRecord* record = AddSchedule(run_.Lists.Schedules, 1001, skDaily, 0, "0800", "20260603");
    TfrmRemind& form = Open({{"Alice Martin", 1001}});
    ui_.OnModal = [](HWND dialog) { PostMessageA(dialog, WM_CLOSE, 0, 0); };
    EXPECT_EQ(form.ShowModal(), Form::mrCancel);
    EXPECT_STREQ(record->SyncDate, "20260603");
    EXPECT_TRUE(ui_.Started.empty());
}

TEST_F(RemindFormTest, TheCloseLabelEndsTheModalLoopWithOne) {
    run_.Options.RemindIndex = 3;
    TfrmRemind& form = Open({{"Alice Martin", 1001}});
    ui_.OnModal = [&form](HWND dialog) {
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(Id::idLblClose, STN_CLICKED),
                     reinterpret_cast<LPARAM>(form.Control(Id::idLblClose)));
    };
    EXPECT_EQ(form.ShowModal(), Form::mrOk);
    EXPECT_EQ(ui_.ModalStarts, 1);
}

using RemindHotSyncTest = testing::RunTest;

TEST_F(RemindHotSyncTest, StartHotSyncNowRunsHotSyncFromAFolderWithASpace) {
    testing::RecordingUi ui;
    ui.ReallyStart = true;
    run_.Options.RemindIndex = 1;
    const DueUsers due = {{"Alice Martin", 1001}};
    const auto answerOfStartNow = [this, &due] {
        TfrmRemind form(nullptr, run_);
        EXPECT_TRUE(form.SetDueUsers(&due));
        form.lblCloseClick();
        return std::make_pair(form.Answer(), form.AnswerDelay());
    };
    EXPECT_EQ(answerOfStartNow(), std::make_pair(int{TfrmRemind::chNextPeriod}, 0));
    ASSERT_EQ(ui.Started.size(), 1u);
    EXPECT_EQ(ui.Started[0], desktop_ + "\\HOTSYNC.EXE");
    EXPECT_EQ(ui.StartedShow, SW_SHOW);
    EXPECT_TRUE(ui.Messages.empty());
    const std::string log = desktop_ + "\\hotsync-starts.log";
    std::string started;
    for (int wait = 0; wait < 100 && started.empty(); ++wait) {
        Sleep(100);
        started = testing::ReadWholeFile(log);
    }
    EXPECT_NE(started.find("|\"" + desktop_ + "\\HOTSYNC.EXE\"\r\n"), std::string::npos) << started;
    // HotSync Manager's file can be removed only once it has ended; the next test needs its folder back.
    const std::string program = desktop_ + "\\HOTSYNC.EXE";
    for (int wait = 0; wait < 200 && !DeleteFileA(program.c_str()); ++wait) Sleep(50);
    EXPECT_FALSE(testing::FileExists(program));

    // Gone: the user is told where and why, and reminded again after RemindMin minutes.
    run_.Options.RemindMin = 7;
    EXPECT_EQ(answerOfStartNow(), std::make_pair(int{TfrmRemind::chDelay}, 7));
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].Caption, kAppTitle);
    EXPECT_NE(ui.Messages[0].Text.find(program + "\n" + SystemErrorText(ERROR_FILE_NOT_FOUND)), std::string::npos)
        << ui.Messages[0].Text;
}

}  // namespace
}  // namespace corvane
