#include "due_tracker.h"

#include <algorithm>
#include <unordered_set>

#include "next_occurrence.h"

namespace corvane {

std::vector<uint32_t> DueTracker::Check(const ScheduleListHolder& schedules, const LocalTime& now) {
    const DueSpan span = clock_.Advance(now);
    std::vector<uint32_t> due;
    std::unordered_set<uint32_t> seen;
    const int32_t count = ScheduleListCount(schedules);
    for (int32_t i = 0; i < count; ++i) {
        ScheduleRecord& record = *ScheduleListAt(schedules, i);
        // Only a user's first record counts, as the page and the reminder find it.
        if (seen.insert(record.UserID).second && CheckOne(record, span)) due.push_back(record.UserID);
    }
    return due;
}

bool DueTracker::CheckOne(ScheduleRecord& record, const DueSpan& span) {
    if (Waiting* waiting = WaitingFor(record.UserID)) {
        if (waiting->Occurrence == ScheduleMoment(record)) return DelayRunsOut(record, *waiting, span);
        // Edited since it was reminded of: the schedule starts afresh and a delay lapses.
        Forget(record.UserID);
    }
    if (record.Kind == skNothing) return false;
    if (ScheduleMoment(record) <= span.After) MoveOn(record, span.After);
    if (!FallsDue(record, span)) return false;
    waiting_.push_back({record.UserID, ScheduleMoment(record), kAwaitingAnswer});
    return true;
}

bool DueTracker::DelayRunsOut(ScheduleRecord& record, Waiting& waiting, const DueSpan& span) {
    if (waiting.RemindAt == kAwaitingAnswer) return false;
    // A later occurrence that comes while the delay runs takes its place.
    const MinuteNumber later = NextOccurrence(record, std::max(waiting.Occurrence, span.After));
    if (later <= span.Through) {
        MoveOn(record, std::max(waiting.Occurrence, span.After));
        waiting.Occurrence = later;
    } else if (waiting.RemindAt > span.Through) {
        return false;
    }
    waiting.RemindAt = kAwaitingAnswer;
    return true;
}

void DueTracker::Settle(const ScheduleListHolder& schedules, uint32_t userId, const LocalTime& now) {
    Forget(userId);
    ScheduleRecord* record = ScheduleListFind(schedules, userId);
    if (record == nullptr || record->Kind == skNothing) return;
    const MinuteNumber passed = std::max(clock_.CheckedThrough(), MinuteNumberOf(now));
    if (ScheduleMoment(*record) <= passed) MoveOn(*record, passed);
}

void DueTracker::RemindAgain(const ScheduleListHolder& schedules, uint32_t userId, const LocalTime& now,
                             int32_t minutes) {
    Forget(userId);
    if (const ScheduleRecord* record = ScheduleListFind(schedules, userId)) {
        waiting_.push_back({userId, ScheduleMoment(*record), MinuteNumberOf(now) + std::max(minutes, 1)});
    }
}

void DueTracker::ClockSetByHand(const ScheduleListHolder& schedules, const LocalTime& now) {
    const MinuteNumber before = clock_.CheckedThrough();
    clock_.Restart(now);
    // A delay counted on the clock that was: it lapses, and its occurrence
    // moves on from the new time like any other.
    waiting_.erase(std::remove_if(waiting_.begin(), waiting_.end(),
                                  [](const Waiting& waiting) { return waiting.RemindAt != kAwaitingAnswer; }),
                   waiting_.end());
    if (clock_.CheckedThrough() >= before) return;
    const int32_t count = ScheduleListCount(schedules);
    for (int32_t i = 0; i < count; ++i) {
        ScheduleRecord& record = *ScheduleListAt(schedules, i);
        // More than one period ahead of the new time: carried there by the wrong one.
        if (record.Kind == skNothing || WaitingFor(record.UserID) != nullptr) continue;
        if (NextOccurrence(record, clock_.CheckedThrough()) < ScheduleMoment(record)) {
            MoveOn(record, clock_.CheckedThrough());
        }
    }
}


void DueTracker::MoveOn(ScheduleRecord& record, MinuteNumber after) {
    MoveToNextOccurrence(record, after);
    ++moves_;
}

DueTracker::Waiting* DueTracker::WaitingFor(uint32_t userId) {
    const auto found = std::find_if(waiting_.begin(), waiting_.end(),
                                    [userId](const Waiting& waiting) { return waiting.UserID == userId; });
    return found != waiting_.end() ? &*found : nullptr;
}

void DueTracker::Forget(uint32_t userId) {
    waiting_.erase(std::remove_if(waiting_.begin(), waiting_.end(),
                                  [userId](const Waiting& waiting) { return waiting.UserID == userId; }),
                   waiting_.end());
}

}  // namespace corvane
