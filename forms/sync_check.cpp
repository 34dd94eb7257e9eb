#include "sync_check.h"

#include <algorithm>

#include "application.h"
#include "code_page.h"
#include "palm_libraries.h"
#include "remind_form.h"
#include "shared_lists.h"
#include "ui_services.h"

namespace corvane {

SyncCheck::SyncCheck(HWND owner, const LocalTime& start) : owner_(owner), clock_(start) {}

DueUsers SyncCheck::DueIn(const DueSpan& span) const {
    DueUsers due;
    const int32_t count = ScheduleListCount(Shared.Schedules);
    for (int32_t i = 0; i < count; ++i) {
        const ScheduleRecord* record = ScheduleListAt(Shared.Schedules, i);
        if (!FallsDue(*record, span)) continue;
        // The names come from User Data, which the user list binds: made here
        // when no page has needed it yet.
        if (!Shared.Users) Shared.Users = UserListCreate();
        // A user whose name cannot be had (User Data unbound, or no such user) is left out.
        std::string name;
        if (ReadDueUserName(UserData.Entries, record->UserID, name, IsAnsiLeadByte)) due.push_back({name, record->UserID});
    }
    return due;
}

void SyncCheck::CheckSchedules() {
    // The span counts as checked before the reminder's loop runs, so that a
    // tick inside it reminds only of what came due later.
    const DueUsers due = DueIn(clock_.Advance(Ui().Now()));
    if (!due.empty()) Remind(due);
}

void SyncCheck::Remind(const DueUsers& due) {
    TfrmRemind reminder(owner_);
    SetForegroundWindow(App().Handle());
    SetActiveWindow(App().Handle());
    if (!reminder.SetDueUsers(&due) || reminder.ShowModal() != Form::mrOk) return;
    // A move that lands where no check comes again (the reminder came late,
    // or stayed open long) goes on to the next moment still ahead.
    const LocalTime now = Ui().Now();
    const MinuteNumber passed = std::max(clock_.CheckedThrough(), MinuteNumberOf(now));
    for (const DueUser& user : due) {
        if (ScheduleRecord* record = ScheduleListFind(Shared.Schedules, user.UserID)) {
            KeepAhead(*record, passed, now, reminder.AppliedDelay());
        }
    }
    if (moved_) moved_();
}

}  // namespace corvane
