// The once-a-minute check for due schedules, from start-up to the end of the
// run: it raises the reminder for every user whose occurrence came since the
// previous check, whether or not any page is open, as long as someone is
// there to answer it; and it follows sleep, the session's lock and the clock.
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
    // `owner`: the window that owns the reminders, runs the minute timer and
    // receives the session's notifications and kCheckNow; `start`: a clock
    // reading taken before the start-up catch-up; `run`: the schedules, the
    // settings and the presence it works on.
    SyncCheck(HWND owner, const LocalTime& start, RunState& run);

    // Run after schedules moved, so that a page that shows them can follow.
    void SetSchedulesMoved(std::function<void()> handler) { moved_ = std::move(handler); }

    // The work of one tick: one reminder for every schedule due since the
    // previous check, each moved on by the answer to it. Nothing while no one
    // is there: what comes due meanwhile reminds when they are back.
    void CheckSchedules();
    void tmSyncTimer() { CheckSchedules(); }

    // WM_POWERBROADCAST, WM_WTSSESSION_CHANGE and WM_TIMECHANGE. A check they
    // call for comes as kCheckNow, outside the system's broadcast.
    void PowerChanged(WPARAM event);
    void SessionChanged(WPARAM event);
    void TimeChanged();

    static constexpr UINT_PTR kSyncTimer = 100;
    static constexpr UINT kSyncInterval = 60000;
    static constexpr UINT kCheckNow = WM_USER + 102;

private:
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

    HWND owner_;
    RunState& run_;
    DueTracker tracker_;
    ClockWatch clock_;
    SessionWatch session_;
    std::function<void()> moved_;
};

}  // namespace corvane
