#include "sync_check.h"

#include <wtsapi32.h>

#include <algorithm>

#include "application.h"
#include "code_page.h"
#include "form.h"
#include "palm_libraries.h"
#include "remind_form.h"
#include "run_state.h"
#include "ui_services.h"

namespace corvane {

SyncCheck::SyncCheck(HWND owner, const LocalTime& start, RunState& run)
    : owner_(owner), run_(run), tracker_(start), session_(owner) {}

DueUsers SyncCheck::NamesOf(const std::vector<uint32_t>& due) const {
    // The names come from User Data, which the user list binds: made here
    // when no page has needed it yet.
    if (!run_.Lists.Users) run_.Lists.Users = UserListCreate(run_.Palm);
    DueUsers named;
    for (uint32_t userId : due) {
        std::string name;
        if (ReadDueUserName(run_.Palm.UserData.Entries, userId, name, IsAnsiLeadByte)) named.push_back({name, userId});
    }
    return named;
}

void SyncCheck::CheckSchedules() {
    FollowClock();
    if (!run_.UserPresence.Attended()) return;
    const uint64_t moves = tracker_.Moves();
    // What is reminded of waits for its answer from here on, so that a tick
    // inside the reminder's loop reminds only of what came due later.
    const std::vector<uint32_t> due = tracker_.Check(run_.Lists.Schedules, Ui().Now());
    if (!due.empty()) Remind(due);
    if (tracker_.Moves() != moves) SchedulesMoved();
}

void SyncCheck::Remind(const std::vector<uint32_t>& due) {
    const DueUsers named = NamesOf(due);
    bool answered = false;
    int answer = TfrmRemind::chNextPeriod;
    int32_t delay = 0;
    if (!named.empty()) {
        TfrmRemind reminder(owner_, run_);
        SetForegroundWindow(App().Handle());
        SetActiveWindow(App().Handle());
        answered = reminder.SetDueUsers(&named) && reminder.ShowModal() == Form::mrOk;
        answer = reminder.Answer();
        delay = reminder.AnswerDelay();
    }
    // Closed with its close box, or a user with no name to show: this occurrence passes.
    const LocalTime now = Ui().Now();
    for (uint32_t userId : due) {
        const bool shown = std::any_of(named.begin(), named.end(), [userId](const DueUser& user) { return user.UserID == userId; });
        // An answer of the person's: a late read of the schedule file keeps it.
        if (shown) ScheduleListMarkEdited(run_.Lists.Schedules, userId);
        if (shown && answered && answer == TfrmRemind::chDelay) {
            tracker_.RemindAgain(run_.Lists.Schedules, userId, now, delay);
        } else {
            tracker_.Settle(run_.Lists.Schedules, userId, now);
        }
    }
}

void SyncCheck::SchedulesMoved() {
    run_.Saver.DataChanged();
    if (moved_) moved_();
}

void SyncCheck::PowerChanged(WPARAM event) {
    // A wake by itself (PBT_APMRESUMEAUTOMATIC alone) is for maintenance:
    // reminders wait until a person is there (PBT_APMRESUMESUSPEND).
    if (event == PBT_APMSUSPEND) run_.UserPresence.Asleep = true;
    if (event == PBT_APMRESUMESUSPEND) {
        run_.UserPresence.Asleep = false;
        CheckSoon();
    }
}

void SyncCheck::SessionChanged(WPARAM event) {
    switch (event) {
        case WTS_SESSION_LOCK:
        case WTS_CONSOLE_DISCONNECT:
        case WTS_REMOTE_DISCONNECT:
            run_.UserPresence.Locked = true;
            break;
        case WTS_SESSION_UNLOCK:
            // Whoever unlocked the session is there, whatever the power events said.
            run_.UserPresence = Presence{};
            CheckSoon();
            break;
        default:
            break;
    }
}

void SyncCheck::TimeChanged() {
    FollowClock();
    CheckSoon();
}

void SyncCheck::FollowClock() {
    // Every tick asks too, so a change without WM_TIMECHANGE is seen and the
    // slow drift that time synchronisation corrects never adds up.
    if (!clock_.SetByHand()) return;
    const uint64_t moves = tracker_.Moves();
    tracker_.ClockSetByHand(run_.Lists.Schedules, Ui().Now());
    if (tracker_.Moves() != moves) SchedulesMoved();
}

}  // namespace corvane
