// The once-a-minute check for due schedules, from start-up to the end of the
// run: it raises the reminder for every user whose schedule came due since
// the previous check, whether or not any page is open.
#pragma once

#include <windows.h>

#include <functional>

#include "due_check.h"
#include "due_users.h"
#include "local_time.h"

namespace corvane {

class SyncCheck {
public:
    // `owner`: the window that owns the reminders and runs the minute timer;
    // `start`: a clock reading taken before the start-up catch-up.
    SyncCheck(HWND owner, const LocalTime& start);

    // Run after a reminder has moved schedules on, so that a page that shows
    // them can follow.
    void SetSchedulesMoved(std::function<void()> handler) { moved_ = std::move(handler); }

    // The work of one tick: one reminder for every schedule due since the
    // previous check, moved on by the choice made in it.
    void CheckSchedules();
    void tmSyncTimer() { CheckSchedules(); }

    static constexpr UINT_PTR kSyncTimer = 100;
    static constexpr UINT kSyncInterval = 60000;

private:
    // The users of the schedules due in `span` whose names User Data gives, in list order.
    DueUsers DueIn(const DueSpan& span) const;
    void Remind(const DueUsers& due);

    HWND owner_;
    DueClock clock_;
    std::function<void()> moved_;
};

}  // namespace corvane
