#include "schedule_form.h"

#include <commctrl.h>

#include <cstring>
#include <memory>
#include <string>

#include "controls.h"
#include "decimal_text.h"
#include "palm_libraries.h"
#include "resource_ids.h"
#include "schedule_display.h"
#include "ui_services.h"
#include "run_state.h"
#include "sync_check.h"
#include "user_combo.h"

namespace corvane {
namespace {

constexpr int kClientWidth = 287;
constexpr int kClientHeight = 453;

// Where the group box's contents start: they are laid out relative to it.
constexpr int kGroupX = 16;
constexpr int kGroupY = 56;

using Id = TfrmSche::ControlId;

const ControlSpec kControls[] = {
    {ControlKind::Label, Id::idLblUser, 16, 24, 75, 13, "Select User :"},
    {ControlKind::ComboList, Id::idCbxUser, 99, 22, 145, 21},
    {ControlKind::GroupBox, Id::idGbxSche, kGroupX, kGroupY, 225, 137, " HotSync Schedule "},
    // The four choices make one radio group; the weekday box and the day
    // count follow it, each after the label that names it.
    {ControlKind::RadioButton, Id::idRbtnDaily, kGroupX + 13, kGroupY + 23, 113, 17, "Every Da&y", 0, WS_GROUP},
    {ControlKind::RadioButton, Id::idRbtnWeekly, kGroupX + 13, kGroupY + 48, 113, 17, "Every &Week on"},
    {ControlKind::RadioButton, Id::idRbtnRandom, kGroupX + 13, kGroupY + 75, 58, 17, "E&very "},
    {ControlKind::RadioButton, Id::idRbtnNothing, kGroupX + 13, kGroupY + 104, 100, 17, "Do &Nothing"},
    {ControlKind::Name, Id::idLblDayName, kGroupX + 128, kGroupY + 46, 81, 13, "Every Week on", 0, WS_GROUP},
    {ControlKind::ComboList, Id::idCbxDay, kGroupX + 128, kGroupY + 46, 81, 21},
    {ControlKind::Label, Id::idLblDays, kGroupX + 112, kGroupY + 77, 29, 13, "Days"},
    {ControlKind::Edit, Id::idEdtDays, kGroupX + 73, kGroupY + 73, 30, 21},
    {ControlKind::Label, Id::idLblSyncTime, 17, 204, 126, 13, "Synchronization Time:", 0, WS_GROUP},
    {ControlKind::TimePicker, Id::idDtpTime, 172, 202, 83, 21},
    {ControlKind::Label, Id::idLblNextSync, 19, 238, 94, 13, "Next Sync Date:"},
    {ControlKind::DatePicker, Id::idDtpDate, 140, 234, 96, 21},
    {ControlKind::Image, Id::idImgSyncNow, 17, 258, 116, 23, IDB_LINK},
};

const ControlSpec kSyncNowLabel = {ControlKind::Label, Id::idLblSyncNow, 37, 264, 85, 13, "View Sync Log"};

const char* const kWeekdays[] = {"Monday", "Tuesday", "Wedsday", "Thursday", "Friday", "Saturday", "Sunday"};

SYSTEMTIME PickerValue(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute) {
    SYSTEMTIME value{};
    value.wYear = static_cast<WORD>(year);
    value.wMonth = static_cast<WORD>(month);
    value.wDay = static_cast<WORD>(day);
    value.wHour = static_cast<WORD>(hour);
    value.wMinute = static_cast<WORD>(minute);
    return value;
}

}  // namespace

TfrmSche::TfrmSche(HWND host, RunState& run) : run_(run) {
    CreatePage("TfrmSche", host, kClientWidth, kClientHeight);
    AddControls(kControls, std::size(kControls));
    ControlLook link;
    link.HandCursor = true;
    link.Backdrop = Id::idImgSyncNow;
    AddControl(kSyncNowLabel, link);
    // The sync log link is laid out but never shown.
    ShowControl(Control(Id::idImgSyncNow), false);
    ShowControl(Control(Id::idLblSyncNow), false);
    SendMessageA(Control(Id::idDtpTime), DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>("HH:mm"));
    FormCreate();
}

void TfrmSche::FormCreate() {
    SetBackColor(kPageColor);
    if (!run_.Lists.Users) run_.Lists.Users = UserListCreate(run_.Palm);
    FillDayCombo();
    FillUserCombo(run_.Lists.Users.get(), Control(Id::idCbxUser));
    cbxUserChange();
}

void TfrmSche::UsersChanged() {
    HWND chooser = Control(Id::idCbxUser);
    const UserRecord* chosen = SelectedUser();
    const uint32_t chosenId = chosen != nullptr ? chosen->UserID : 0;
    const bool hadChoice = chosen != nullptr;
    FillUserCombo(run_.Lists.Users.get(), chooser);
    for (int i = 0; hadChoice && i < ComboCount(chooser); ++i) {
        if (static_cast<uint32_t>(ComboItemData(chooser, i)) == chosenId) ComboSelect(chooser, i);
    }
    cbxUserChange();
}

void TfrmSche::FillDayCombo() {
    HWND days = Control(Id::idCbxDay);
    SendMessageA(days, CB_RESETCONTENT, 0, 0);
    for (const char* day : kWeekdays) ComboAdd(days, day);
}

UserRecord* TfrmSche::SelectedUser() const {
    HWND chooser = Control(Id::idCbxUser);
    const int index = ComboSelection(chooser);
    if (index < 0) return nullptr;
    return UserComboRecord(chooser, index, run_.Lists.Users.get());
}

ScheduleRecord* TfrmSche::SelectedRecord() const {
    const UserRecord* user = SelectedUser();
    return user != nullptr ? ScheduleListFind(run_.Lists.Schedules, user->UserID) : nullptr;
}

void TfrmSche::cbxUserChange() {
    if (ComboCount(Control(Id::idCbxUser)) == 0) return;
    const UserRecord* user = SelectedUser();
    if (user == nullptr) return;
    const LocalTime now = Ui().Now();
    ScheduleRecord* record = ScheduleListFind(run_.Lists.Schedules, user->UserID);
    if (record == nullptr) {
        auto created = std::make_unique<ScheduleRecord>();
        std::memset(created.get(), 0, sizeof(ScheduleRecord));
        created->UserID = user->UserID;
        created->Kind = skDaily;
        std::memcpy(created->SyncTime, "0800", 5);
        WriteDateText({now.Year, now.Month, now.Day}, created->SyncDate);
        record = created.get();
        if (ScheduleListAdd(run_.Lists.Schedules, std::move(created)) == 0) return;
        run_.Saver.DataChanged();
        ArmReminders();
    }
    const ScheduleRecord shown = *record;
    switch (shown.Kind) {
        case skDaily: CheckKind(Id::idRbtnDaily); break;
        case skWeekly:
            CheckKind(Id::idRbtnWeekly);
            ComboSelect(Control(Id::idCbxDay), shown.Param);
            break;
        case skEveryNDays:
            CheckKind(Id::idRbtnRandom);
            ShowDays(shown.Param);
            break;
        default: CheckKind(Id::idRbtnNothing); break;
    }
    const ShownTime time = ShownTimeOf(shown.SyncTime);
    const CalendarDate date = ShownDateOf(shown.SyncDate, {now.Year, now.Month, now.Day});
    SetPickerTime(Control(Id::idDtpTime), PickerValue(now.Year, now.Month, now.Day, time.Hour, time.Minute));
    SetPickerTime(Control(Id::idDtpDate), PickerValue(date.Year, date.Month, date.Day, 0, 0));
}

void TfrmSche::CheckKind(int button) {
    if (IsChecked(Control(button))) return;
    CheckRadioButton(Handle(), Id::idRbtnDaily, Id::idRbtnNothing, button);
    switch (button) {
        case Id::idRbtnDaily: rbtnDailyClick(); break;
        case Id::idRbtnWeekly: rbtnWeeklyClick(); break;
        case Id::idRbtnRandom: rbtnRandomClick(); break;
        default: rbtnNothingClick(); break;
    }
}

void TfrmSche::SetInputs(bool dayEnabled, bool daysEnabled) {
    EnableWindow(Control(Id::idCbxDay), dayEnabled ? TRUE : FALSE);
    EnableWindow(Control(Id::idEdtDays), daysEnabled ? TRUE : FALSE);
}

void TfrmSche::ShowDays(int16_t days) { SetText(Control(Id::idEdtDays), std::to_string(days).c_str()); }

void TfrmSche::rbtnDailyClick() {
    SetInputs(false, false);
    if (ScheduleRecord* record = SelectedRecord()) {
        const ScheduleRecord before = *record;
        record->Kind = skDaily;
        record->Param = 0;
        Edited(before, *record);
    }
}

void TfrmSche::rbtnWeeklyClick() {
    SetInputs(true, false);
    ScheduleRecord* record = SelectedRecord();
    const ScheduleRecord before = record != nullptr ? *record : ScheduleRecord{};
    if (record == nullptr) return;
    if (record->Kind != skWeekly) {
        record->Kind = skWeekly;
        record->Param = 0;
        Edited(before, *record);
    }
    ComboSelect(Control(Id::idCbxDay), record->Param);
}

void TfrmSche::rbtnRandomClick() {
    SetInputs(false, true);
    ScheduleRecord* record = SelectedRecord();
    const ScheduleRecord before = record != nullptr ? *record : ScheduleRecord{};
    if (record == nullptr) return;
    if (record->Kind != skEveryNDays) {
        record->Kind = skEveryNDays;
        record->Param = 2;
        Edited(before, *record);
    }
    ShowDays(record->Param);
}

void TfrmSche::rbtnNothingClick() {
    SetInputs(false, false);
    if (ScheduleRecord* record = SelectedRecord()) {
        const ScheduleRecord before = *record;
        record->Kind = skNothing;
        record->Param = 0;
        Edited(before, *record);
    }
}

void TfrmSche::cbxDayChange() {
    ScheduleRecord* record = SelectedRecord();
    const ScheduleRecord before = record != nullptr ? *record : ScheduleRecord{};
    if (record == nullptr || record->Kind != skWeekly) return;
    record->Param = static_cast<int16_t>(ComboSelection(Control(Id::idCbxDay)));
    Edited(before, *record);
}

void TfrmSche::edtDaysChange() {
    ScheduleRecord* record = SelectedRecord();
    const ScheduleRecord before = record != nullptr ? *record : ScheduleRecord{};
    if (record == nullptr || record->Kind != skEveryNDays) return;
    // The 16-bit field keeps the low 16 bits of larger values.
    const auto value = static_cast<uint32_t>(ParseDecimal(TextOf(Control(Id::idEdtDays)).c_str()));
    record->Param = static_cast<int16_t>(static_cast<uint16_t>(value & 0xFFFFu));
    Edited(before, *record);
}

void TfrmSche::dtpTimeChange() {
    ScheduleRecord* record = SelectedRecord();
    const ScheduleRecord before = record != nullptr ? *record : ScheduleRecord{};
    if (record == nullptr) return;
    const SYSTEMTIME time = PickerTime(Control(Id::idDtpTime));
    WriteTimeText(time.wHour, time.wMinute, record->SyncTime);
    Edited(before, *record);
}

void TfrmSche::dtpDateChange() {
    ScheduleRecord* record = SelectedRecord();
    const ScheduleRecord before = record != nullptr ? *record : ScheduleRecord{};
    if (record == nullptr) return;
    const SYSTEMTIME date = PickerTime(Control(Id::idDtpDate));
    WriteDateText({date.wYear, date.wMonth, date.wDay}, record->SyncDate);
    Edited(before, *record);
}

void TfrmSche::Edited(const ScheduleRecord& before, const ScheduleRecord& after) {
    // The page's own showing of a record changes nothing, and is no edit.
    if (std::memcmp(&before, &after, sizeof before) == 0) return;
    run_.PersonEditedSchedule(after.UserID);
    ArmReminders();
}

// The reminders' timer, which the main window runs, is armed anew for a changed schedule.
void TfrmSche::ArmReminders() const { PostMessageA(GetAncestor(Handle(), GA_ROOT), SyncCheck::kCheckNow, 0, 0); }

void TfrmSche::lblSyncNowClick() {
    if (const UserRecord* user = SelectedUser()) ShowSyncLog(run_.Palm, user->UserID);
}

void TfrmSche::OnCommand(int id, int code, HWND) {
    switch (id) {
        case Id::idCbxUser:
            if (code == CBN_SELCHANGE) cbxUserChange();
            break;
        case Id::idRbtnDaily:
            if (code == BN_CLICKED) rbtnDailyClick();
            break;
        case Id::idRbtnWeekly:
            if (code == BN_CLICKED) rbtnWeeklyClick();
            break;
        case Id::idRbtnRandom:
            if (code == BN_CLICKED) rbtnRandomClick();
            break;
        case Id::idRbtnNothing:
            if (code == BN_CLICKED) rbtnNothingClick();
            break;
        case Id::idCbxDay:
            if (code == CBN_SELCHANGE) cbxDayChange();
            break;
        case Id::idEdtDays:
            if (code == EN_CHANGE) edtDaysChange();
            break;
        case Id::idLblSyncNow:
            if (code == STN_CLICKED) lblSyncNowClick();
            break;
        default:
            break;
    }
}

LRESULT TfrmSche::OnNotify(NMHDR* header) {
    if (header->code == DTN_DATETIMECHANGE) {
        if (header->idFrom == static_cast<UINT_PTR>(Id::idDtpTime)) dtpTimeChange();
        if (header->idFrom == static_cast<UINT_PTR>(Id::idDtpDate)) dtpDateChange();
    }
    return 0;
}

}  // namespace corvane
