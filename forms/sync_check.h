// The check for due schedules, from start-up to the end of the run: it
// raises the reminder for every user whose occurrence came since the
// previous check, whether or not any page is open, as long as someone is
// there to answer it; and it follows sleep, the session's lock and the clock.
// Nothing runs periodically: one timer is armed for the next moment anything
// can fall due, at most an hour ahead, and armed anew whenever that moment
// can have moved.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "clock_watch.h"
#include "due_tracker.h"
#include "due_users.h"
#include "local_time.h"
#include "session_watch.h"

namespace corvane {

struct RunState;

class SyncCheck {
public:
    // Milliseconds the machine has been running, sleep included.
    using RunningClock = std::function<uint64_t()>;

    // `owner`: the window that owns the reminders, receives the timer, the
    // session's notifications and kCheckNow; `start`: a clock reading taken
    // before the start-up catch-up; `run`: the schedules, the settings and the
    // presence it works on. The session's state is asked at once: a start
    // while it is locked reminds of nothing until it is unlocked.
    SyncCheck(HWND owner, const LocalTime& start, RunState& run, RunningClock running = GetTickCount64);
    ~SyncCheck();
    SyncCheck(const SyncCheck&) = delete;
    SyncCheck& operator=(const SyncCheck&) = delete;

    // Run after schedules moved, so that a page that shows them can follow.
    void SetSchedulesMoved(std::function<void()> handler) { moved_ = std::move(handler); }

    // One reminder for every schedule due since the previous check, each
    // moved on by the answer to it; then the timer is armed for what comes
    // next. Nothing is reminded while no one is there: what comes due
    // meanwhile reminds when they are back.
    void CheckSchedules();
    void tmSyncTimer() { CheckSchedules(); }

    // WM_POWERBROADCAST, WM_WTSSESSION_CHANGE and WM_TIMECHANGE. A check they
    // call for comes as kCheckNow, outside the system's broadcast.
    void PowerChanged(WPARAM event);
    void SessionChanged(WPARAM event);
    void TimeChanged();

    static constexpr UINT_PTR kSyncTimer = 100;
    // Posted to the owner to check now and arm the timer anew, also by a
    // page that changed a schedule.
    static constexpr UINT kCheckNow = WM_USER + 102;

private:
    ClockReading Now() const;
    // The names User Data gives the users in `due`; those it has no name for
    // are left out.
    DueUsers NamesOf(const std::vector<uint32_t>& due) const;
    void Remind(const std::vector<uint32_t>& due);
    // Saves the moved schedules and lets a page that shows them follow.
    void SchedulesMoved();
    void CheckSoon() const { PostMessageA(owner_, kCheckNow, 0, 0); }
    // A clock set by hand (summer time and time zones do not count) starts
    // the checking afresh at the new time.
    void FollowClock();
    // Takes the session's state as asked now.
    void AskSession();
    void ArmTimer();

    HWND owner_;
    RunState& run_;
    RunningClock running_;
    DueTracker tracker_;
    ClockWatch clock_;
    SessionWatch session_;
    // The lock was asked rather than announced: asked again at every wake,
    // since no unlock may follow a lock that was never announced.
    bool lockAsked_ = false;
    std::function<void()> moved_;
};

}  // namespace corvane
