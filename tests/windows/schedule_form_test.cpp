#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <cstring>
#include <memory>
#include <string>

#include "controls.h"
#include "options.h"
#include "run_fixture.h"
#include "presence.h"
#include "recording_ui.h"
#include "schedule_records.h"
#include "remind_form.h"
#include "schedule_form.h"
#include "shared_lists.h"
#include "sync_check.h"

namespace corvane {
namespace {

using Id = TfrmSche::ControlId;
using testing::AddSchedule;

// The schedule page in a host window, against the demo Palm Desktop (users
// 1001 Alice Martin, 1002 Bob Lee, 1003 Travel) and an empty schedule list.
class ScheduleFormTest : public testing::RunTest {
protected:
    void SetUp() override {
        RunTest::SetUp();
        host_ = CreateWindowExA(0, "STATIC", "host", WS_POPUP, 0, 0, 300, 460, nullptr, nullptr, nullptr, nullptr);
    }
    void TearDown() override {
        page_.reset();
        DestroyWindow(host_);
        RunTest::TearDown();
    }

    TfrmSche& Open() {
        page_ = std::make_unique<TfrmSche>(host_, run_);
        return *page_;
    }
    HWND Control(int id) const { return page_->Control(id); }
    void Click(int id) const { SendMessageA(Control(id), BM_CLICK, 0, 0); }
    void ChooseUser(int index) const {
        ComboSelect(Control(Id::idCbxUser), index);
        SendMessageA(page_->Handle(), WM_COMMAND, MAKEWPARAM(Id::idCbxUser, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(Control(Id::idCbxUser)));
    }
    ScheduleRecord* Schedule(uint32_t userId) const { return ScheduleListFind(run_.Lists.Schedules, userId); }
    std::string ShownTime() const {
        const SYSTEMTIME time = PickerTime(Control(Id::idDtpTime));
        char text[8];
        std::snprintf(text, sizeof text, "%02u:%02u", time.wHour, time.wMinute);
        return text;
    }

    testing::RecordingUi ui_;
    HWND host_ = nullptr;
    std::unique_ptr<TfrmSche> page_;
};

TEST_F(ScheduleFormTest, AUserWithoutAScheduleGetsTheDailyOneAtEight) {
    TfrmSche& page = Open();
    EXPECT_EQ(ComboCount(Control(Id::idCbxUser)), 3);
    ASSERT_NE(page.SelectedUser(), nullptr);
    const ScheduleRecord* record = Schedule(1001);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->Kind, skDaily);
    EXPECT_EQ(record->Param, 0);
    EXPECT_STREQ(record->SyncTime, "0800");
    EXPECT_STREQ(record->SyncDate, "20260603");
    EXPECT_EQ(record->Reserved[0] | record->Reserved[1], 0);
    EXPECT_TRUE(IsChecked(Control(Id::idRbtnDaily)));
    EXPECT_EQ(ShownTime(), "08:00");
    EXPECT_EQ(ComboCount(Control(Id::idCbxDay)), 7);
    char day[16];
    SendMessageA(Control(Id::idCbxDay), CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(day));
    EXPECT_STREQ(day, "Wedsday");
}

TEST_F(ScheduleFormTest, SwitchingKindsFollowsTheirRules) {
    Open();
    ScheduleRecord* record = Schedule(1001);
    ComboSelect(Control(Id::idCbxDay), 4);
    Click(Id::idRbtnWeekly);
    EXPECT_EQ(record->Kind, skWeekly);
    EXPECT_EQ(record->Param, 0);
    EXPECT_EQ(ComboSelection(Control(Id::idCbxDay)), 0);
    EXPECT_TRUE(IsWindowEnabled(Control(Id::idCbxDay)));
    EXPECT_FALSE(IsWindowEnabled(Control(Id::idEdtDays)));

    ComboSelect(Control(Id::idCbxDay), 4);
    SendMessageA(page_->Handle(), WM_COMMAND, MAKEWPARAM(Id::idCbxDay, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(Control(Id::idCbxDay)));
    EXPECT_EQ(record->Param, 4);
    Click(Id::idRbtnDaily);
    EXPECT_EQ(record->Kind, skDaily);
    EXPECT_FALSE(IsWindowEnabled(Control(Id::idCbxDay)));
    Click(Id::idRbtnWeekly);
    EXPECT_EQ(record->Param, 0);  // back to Monday

    Click(Id::idRbtnRandom);
    EXPECT_EQ(record->Kind, skEveryNDays);
    EXPECT_EQ(record->Param, 2);
    EXPECT_EQ(TextOf(Control(Id::idEdtDays)), "2");
    EXPECT_TRUE(IsWindowEnabled(Control(Id::idEdtDays)));
    SetText(Control(Id::idEdtDays), "9");
    Click(Id::idRbtnRandom);
    EXPECT_EQ(record->Param, 9);  // already of this kind: kept

    Click(Id::idRbtnNothing);
    EXPECT_EQ(record->Kind, skNothing);
    EXPECT_EQ(record->Param, 0);
    EXPECT_FALSE(IsWindowEnabled(Control(Id::idCbxDay)));
    EXPECT_FALSE(IsWindowEnabled(Control(Id::idEdtDays)));
    EXPECT_STREQ(record->SyncDate, "20260603");  // no kind change moves the date
}

TEST_F(ScheduleFormTest, TheDaysBoxStoresTheLow16BitsOfItsNumber) {
    Open();
    Click(Id::idRbtnRandom);
    ScheduleRecord* record = Schedule(1001);
    const struct {
        const char* text;
        int16_t stored;
    } rows[] = {{"-3", -3}, {"abc", 0}, {"70000", 4464}, {"", 0}, {"14", 14}};
    for (const auto& row : rows) {
        SetText(Control(Id::idEdtDays), row.text);
        EXPECT_EQ(record->Param, row.stored) << row.text;
    }
}

TEST_F(ScheduleFormTest, StoredTimesAndDatesOutOfRangeShowAsEightAndToday) {
    ScheduleRecord* record = AddSchedule(run_.Lists.Schedules, 1001, skDaily, 0, "2500", "20261399");
    Open();
    EXPECT_EQ(ShownTime(), "08:00");
    const SYSTEMTIME date = PickerTime(Control(Id::idDtpDate));
    EXPECT_EQ(date.wYear, 2026);
    EXPECT_EQ(date.wMonth, 6);
    EXPECT_EQ(date.wDay, 3);
    EXPECT_STREQ(record->SyncTime, "2500");  // showing changes nothing
    std::memcpy(record->SyncTime, "0875", 5);
    ChooseUser(0);
    EXPECT_EQ(ShownTime(), "08:00");
    std::memcpy(record->SyncTime, "0930", 5);
    ChooseUser(0);
    EXPECT_EQ(ShownTime(), "09:30");
}

TEST_F(ScheduleFormTest, ThePickersWriteTheRecord) {
    Open();
    ScheduleRecord* record = Schedule(1001);
    SYSTEMTIME time = PickerTime(Control(Id::idDtpTime));
    time.wHour = 21;
    time.wMinute = 5;
    SetPickerTime(Control(Id::idDtpTime), time);
    page_->dtpTimeChange();
    EXPECT_STREQ(record->SyncTime, "2105");
    SYSTEMTIME date = PickerTime(Control(Id::idDtpDate));
    date.wYear = 2027;
    date.wMonth = 1;
    date.wDay = 9;
    SetPickerTime(Control(Id::idDtpDate), date);
    page_->dtpDateChange();
    EXPECT_STREQ(record->SyncDate, "20270109");
}

// The minute check, which runs whether or not the page exists.
TEST_F(ScheduleFormTest, TwoUsersDueInTheSameMinuteComeInOneReminder) {
    ScheduleRecord* alice = AddSchedule(run_.Lists.Schedules, 1001, skDaily, 0, "0800", "20260603");
    ScheduleRecord* bob = AddSchedule(run_.Lists.Schedules, 1002, skWeekly, 3, "0800", "20260603");
    AddSchedule(run_.Lists.Schedules, 1003, skNothing, 0, "0800", "20260603");  // never due
    AddSchedule(run_.Lists.Schedules, 4242, skDaily, 0, "0800", "20260603");    // no such user: left out
    SyncCheck check(host_, ui_.Clock, run_);
    run_.Options.RemindIndex = 3;
    int listed = 0;
    ui_.OnModal = [&listed](HWND dialog) {
        auto* reminder = dynamic_cast<TfrmRemind*>(Window::FromHandle(dialog));
        ASSERT_NE(reminder, nullptr);
        listed = ListView_GetItemCount(reminder->Control(TfrmRemind::idLvUser));
        reminder->lblCloseClick();
    };
    check.tmSyncTimer();
    EXPECT_EQ(ui_.ModalStarts, 1);
    EXPECT_EQ(listed, 2);
    EXPECT_STREQ(alice->SyncDate, "20260604");
    EXPECT_STREQ(bob->SyncDate, "20260604");  // weekly on Thursday: on to its weekday
}

// Reminders that come late, are closed with the close box, are delayed, and
// wait while no one is there.
TEST_F(ScheduleFormTest, EveryAnswerLeavesTheScheduleAheadAtItsOwnTime) {
    AddSchedule(run_.Lists.Schedules, 1001, skDaily, 0, "0801", "20260603");
    AddSchedule(run_.Lists.Schedules, 1002, skNothing, 0, "0800", "20260603");
    AddSchedule(run_.Lists.Schedules, 4242, skDaily, 0, "0800", "20260603");
    uint64_t running = 0;
    SyncCheck check(host_, ui_.Clock, run_, [&running] { return running; });
    check.CheckSchedules();
    EXPECT_EQ(ui_.ModalStarts, 0);
    ui_.Clock.Hour = 11;  // asleep from 08:00 to 11:00
    int shown = 0;
    ui_.OnModal = [&shown](HWND dialog) {
        ++shown;
        PostMessageA(dialog, WM_CLOSE, 0, 0);
    };
    check.CheckSchedules();
    check.CheckSchedules();
    EXPECT_EQ(shown, 1);
    EXPECT_STREQ(Schedule(1001)->SyncDate, "20260604");  // the close box lets this one pass
    EXPECT_STREQ(Schedule(4242)->SyncDate, "20260604");  // no name to show: passes unseen

    // Due at 08:01 the next day, reminded at 11:00: "Remind me after " 5 reminds once more 5 minutes later,
    // whatever the wall clock shows.
    ui_.Clock.Day = 4;
    run_.Options.RemindIndex = 2;
    run_.Options.RemindMin = 5;
    ui_.OnModal = [&shown](HWND dialog) {
        ++shown;
        dynamic_cast<TfrmRemind*>(Window::FromHandle(dialog))->lblCloseClick();
    };
    check.CheckSchedules();
    ui_.Clock.Hour = 10;  // summer time ended meanwhile
    running += 4 * 60000;
    check.CheckSchedules();
    EXPECT_EQ(shown, 2);
    run_.UserPresence.Locked = true;
    running += 60000;
    check.CheckSchedules();
    EXPECT_EQ(shown, 2);  // locked: waits
    run_.UserPresence.Locked = false;
    run_.Options.RemindIndex = 3;
    check.CheckSchedules();
    EXPECT_EQ(shown, 3);
    EXPECT_STREQ(Schedule(1001)->SyncDate, "20260605");
    EXPECT_STREQ(Schedule(1001)->SyncTime, "0801");
}

TEST_F(ScheduleFormTest, TheChooserNeverLeadsToADeletedUser) {
    TfrmSche& page = Open();
    ChooseUser(1);
    ASSERT_EQ(page.SelectedUser()->UserID, 1002u);
    ASSERT_EQ(UserListDelete(*run_.Lists.Users, run_.Palm.UserData.Entries, 1002), 1);
    EXPECT_EQ(page.SelectedUser(), nullptr);
    Click(Id::idRbtnNothing);  // no user: nothing changes
    EXPECT_EQ(Schedule(1002)->Kind, skDaily);
    page.UsersChanged();
    EXPECT_EQ(ComboCount(Control(Id::idCbxUser)), 2);
    EXPECT_EQ(page.SelectedUser()->UserID, 1001u);
}

class EmptyScheduleFormTest : public ScheduleFormTest {
protected:
    palmsim::DesktopKind Kind() const override { return palmsim::DesktopKind::Empty; }
};

TEST_F(EmptyScheduleFormTest, WithoutUsersNothingIsShownOrChanged) {
    TfrmSche& page = Open();
    EXPECT_EQ(ComboCount(Control(Id::idCbxUser)), 0);
    EXPECT_EQ(page.SelectedUser(), nullptr);
    Click(Id::idRbtnWeekly);
    EXPECT_EQ(ScheduleListCount(run_.Lists.Schedules), 0);
}

}  // namespace
}  // namespace corvane
