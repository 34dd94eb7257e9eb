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

SyncCheck::SyncCheck(HWND owner, const LocalTime& start, RunState& run, RunningClock running)
    : owner_(owner), run_(run), running_(std::move(running)), tracker_(start), session_(owner) {
    AskSession();
    ArmTimer();
}

SyncCheck::~SyncCheck() { KillTimer(owner_, kSyncTimer); }

ClockReading SyncCheck::Now() const { return {Ui().Now(), running_()}; }

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
    if (lockAsked_ && run_.UserPresence.Locked) AskSession();
    if (run_.UserPresence.Attended()) {
        const uint64_t moves = tracker_.Moves();
        // What is reminded of waits for its answer from here on, so that a
        // check inside the reminder's loop reminds only of what came due later.
        const std::vector<uint32_t> due = tracker_.Check(run_.Lists.Schedules, Now());
        if (!due.empty()) Remind(due);
        if (tracker_.Moves() != moves) SchedulesMoved();
    }
    ArmTimer();
}

void SyncCheck::ArmTimer() {
    const ClockReading now = Now();
    const NextDue next = tracker_.Arm(run_.Lists.Schedules);
    // No one there: only the clock is looked at, hourly; their return checks at once.
    UINT wait = kLongestWaitMs;
    if (run_.UserPresence.Attended()) {
        SYSTEMTIME local;
        GetLocalTime(&local);
        MinuteNumber minute = MinuteNumberOf(now.Local);
        if (local.wMinute != now.Local.Minute) ++minute;  // the minute turned between the two readings
        const int32_t intoMinute = local.wSecond * 1000 + local.wMilliseconds;
        wait = TimerWaitMs(next, {minute, intoMinute, now.RunningMs, LocalOffsetMinutesAfter});
    }
    SetTimer(owner_, kSyncTimer, wait, nullptr);
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
    const ClockReading now = Now();
    for (uint32_t userId : due) {
        const bool shown = std::any_of(named.begin(), named.end(), [userId](const DueUser& user) { return user.UserID == userId; });
        // An answer of the person's: a late read of the schedule file keeps it.
        if (shown) ScheduleListMarkEdited(run_.Lists.Schedules, userId);
        if (shown && answered && answer == TfrmRemind::chDelay) {
            tracker_.RemindAgain(run_.Lists.Schedules, userId, now, delay);
        } else {
            tracker_.Settle(run_.Lists.Schedules, userId, now.Local);
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
    if (event == PBT_APMRESUMEAUTOMATIC) ArmTimer();
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
            lockAsked_ = false;
            break;
        case WTS_SESSION_UNLOCK:
            // Whoever unlocked the session is there, whatever the power events said.
            run_.UserPresence = Presence{};
            lockAsked_ = false;
            CheckSoon();
            break;
        case WTS_CONSOLE_CONNECT:
        case WTS_REMOTE_CONNECT:
            // Connected again: to a locked session, or straight to the desktop.
            AskSession();
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

void SyncCheck::AskSession() {
    const SessionState state = session_.State();
    run_.UserPresence.Locked = state.Locked || state.Disconnected;
    lockAsked_ = run_.UserPresence.Locked;
}

void SyncCheck::FollowClock() {
    // Every wake asks too, so a change without WM_TIMECHANGE is seen within
    // the hour and the slow drift that time synchronisation corrects never
    // adds up.
    if (!clock_.SetByHand()) return;
    const uint64_t moves = tracker_.Moves();
    tracker_.ClockSetByHand(run_.Lists.Schedules, Ui().Now());
    if (tracker_.Moves() != moves) SchedulesMoved();
}

}  // namespace corvane
