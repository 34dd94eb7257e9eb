// "HotSync Schedule": the chosen user's schedule, edited in place in the
// shared schedule list.
#pragma once

#include <cstdint>

#include "form.h"
#include "schedule_record.h"
#include "user_list.h"

namespace corvane {

struct RunState;

class TfrmSche : public Form {
public:
    // Creates the page in `host`.
    TfrmSche(HWND host, RunState& run);

    // Refills the user chooser from the shared user list after users were
    // added, deleted or renamed, keeping the chosen user when it still exists.
    void UsersChanged();

    void FillDayCombo();
    // The shared list's record of the chosen user; none when no user is
    // chosen or the user is no longer in the list.
    UserRecord* SelectedUser() const;

    // The event handlers.
    void cbxUserChange();
    void rbtnDailyClick();
    void rbtnWeeklyClick();
    void rbtnRandomClick();
    void rbtnNothingClick();
    void cbxDayChange();
    void edtDaysChange();
    void dtpTimeChange();
    void dtpDateChange();
    void lblSyncNowClick();

    enum ControlId {
        idLblUser = 10, idCbxUser, idGbxSche, idRbtnDaily, idRbtnWeekly, idCbxDay, idRbtnRandom, idEdtDays,
        idLblDays, idRbtnNothing, idLblSyncTime, idDtpTime, idLblNextSync, idDtpDate, idImgSyncNow, idLblSyncNow,
        idLblDayName,
    };

protected:
    void OnCommand(int id, int code, HWND control) override;
    LRESULT OnNotify(NMHDR* header) override;

private:
    void FormCreate();
    ScheduleRecord* SelectedRecord() const;
    // Checks `button` of the kind buttons; when it was not checked yet, runs its click handler.
    void CheckKind(int button);
    void SetInputs(bool dayEnabled, bool daysEnabled);
    void ShowDays(int16_t days);
    // The person changed the chosen user's schedule from `before` to `after`.
    void Edited(const ScheduleRecord& before, const ScheduleRecord& after);
    void ArmReminders() const;

    RunState& run_;
};

}  // namespace corvane
