// "HotSync Remind": tells whose HotSync is due, counts down, and starts
// HotSync Manager, reminds again after some minutes, or lets the occurrence
// pass, moving the due schedules on accordingly.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>

#include "due_users.h"
#include "form.h"

namespace corvane {

class TfrmRemind : public Form {
public:
    enum Choice { chNextPeriod = 1, chDelay = 2 };

    // Creates the hidden dialog, owned by `owner`'s top-level window.
    explicit TfrmRemind(HWND owner);
    ~TfrmRemind() override;

    // Lays the dialog out for `users` (not owned; it must outlive the dialog).
    // Returns false when no list is given.
    bool SetDueUsers(const DueUsers* users);

    // Moves every due user's schedule: to its next period, or by the delay.
    void ApplyChoice(int choice);
    // The delay in minutes that the applied choice moved the schedules by; 0 for any other choice.
    int32_t AppliedDelay() const { return appliedDelay_; }

    // The event handlers.
    void rbtnNowClick();
    void rbtnLaterClick();
    void rbtnNoClick();
    void edtMinExit();
    void lblCloseClick();
    void lblDetailClick();
    void tmCloseTimer();

    int32_t Countdown() const { return FCountdown; }
    bool UserListShown() const;

    enum ControlId {
        idPnlTop = 10, idLblDesc, idImgDetail, idLblDetail,
        idPnlUser = 20, idLvUser, idLblUsers,
        idPnlMain = 30, idRbtnNow, idRbtnLater, idEdtMin, idLblMin, idRbtnNo, idImgClose, idLblClose,
    };
    static constexpr UINT_PTR kCloseTimer = 1;

protected:
    void OnCommand(int id, int code, HWND control) override;
    void OnTimer(UINT_PTR id) override;
    void OnKeyInput() override;

private:
    void FormCreate();
    void StopCountdown(const char* closeCaption);
    void LayOutPanels(bool userListShown);
    void FillUserList();

    int32_t FCountdown = 0;
    bool FReady = false;
    const DueUsers* FDueUsers = nullptr;
    int32_t appliedDelay_ = 0;
    HIMAGELIST imglUser_ = nullptr;
};

}  // namespace corvane
