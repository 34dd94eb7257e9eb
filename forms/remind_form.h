// "HotSync Remind": tells whose HotSync is due, counts down, and starts
// HotSync Manager, reminds again after some minutes, or lets the occurrence
// pass. The answer is the dialog's; what it does to the schedules is the
// minute check's.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>

#include "due_users.h"
#include "form.h"

namespace corvane {

struct RunState;

class TfrmRemind : public Form {
public:
    enum Choice { chNextPeriod = 1, chDelay = 2 };

    // Creates the hidden dialog, owned by `owner`'s top-level window.
    TfrmRemind(HWND owner, RunState& run);
    ~TfrmRemind() override;

    // Lays the dialog out for `users` (not owned; it must outlive the dialog).
    // Returns false when no list is given.
    bool SetDueUsers(const DueUsers* users);

    // Takes `choice` as the dialog's answer: chNextPeriod, this occurrence is
    // over; chDelay, remind again after the delay box's minutes.
    void ApplyChoice(int choice);
    // The answer once the dialog closed through its close action, and the
    // minutes after which to remind again (0 unless the answer is chDelay).
    int Answer() const { return answer_; }
    int32_t AnswerDelay() const { return answerDelay_; }

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
    RunState& run_;
    void FormCreate();
    void StopCountdown(const char* closeCaption);
    void LayOutPanels(bool userListShown);
    void FillUserList();
    // Starts HotSync Manager; when it cannot be started, says why and takes
    // "remind again after RemindMin minutes" as the answer.
    bool StartHotSync();
    void TellNotStarted(const char* program, const std::string& reason);
    void KeepChoice(int32_t index);

    int32_t FCountdown = 0;
    bool FReady = false;
    const DueUsers* FDueUsers = nullptr;
    int answer_ = chNextPeriod;
    int32_t answerDelay_ = 0;
    HIMAGELIST imglUser_ = nullptr;
};

}  // namespace corvane
