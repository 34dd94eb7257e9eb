#include "due_tracker.h"

#include <algorithm>
#include <unordered_set>

#include "next_occurrence.h"

namespace corvane {
namespace {

constexpr uint64_t kMsPerMinute = 60 * 1000;

// Only a user's first record counts, as the page and the reminder find it.
template <typename Visit>
void ForEachFirstRecord(const ScheduleListHolder& schedules, Visit visit) {
    std::unordered_set<uint32_t> seen;
    const int32_t count = ScheduleListCount(schedules);
    for (int32_t i = 0; i < count; ++i) {
        ScheduleRecord& record = *ScheduleListAt(schedules, i);
        if (seen.insert(record.UserID).second) visit(record);
    }
}

}  // namespace

std::vector<uint32_t> DueTracker::Check(const ScheduleListHolder& schedules, const ClockReading& now) {
    // Nothing could fall due before the occurrence the timer was last armed
    // for: a schedule behind that and `now` was set there since (by the page,
    // or a file read late) and moves on without a reminder.
    if (armedFor_ != kNotArmed) clock_.PassTo(std::min(armedFor_ - 1, MinuteNumberOf(now.Local)));
    const DueSpan span = clock_.Advance(now.Local);
    std::vector<uint32_t> due;
    ForEachFirstRecord(schedules, [&](ScheduleRecord& record) {
        if (CheckOne(record, span, now.RunningMs)) due.push_back(record.UserID);
    });
    return due;
}

bool DueTracker::CheckOne(ScheduleRecord& record, const DueSpan& span, uint64_t runningMs) {
    if (Waiting* waiting = WaitingFor(record.UserID)) {
        if (waiting->Occurrence == ScheduleMoment(record)) return DelayRunsOut(record, *waiting, span, runningMs);
        // Edited since it was reminded of: the schedule starts afresh and a delay lapses.
        Forget(record.UserID);
    }
    if (record.Kind == skNothing) return false;
    if (ScheduleMoment(record) <= span.After) MoveOn(record, span.After);
    if (!FallsDue(record, span)) return false;
    waiting_.push_back({record.UserID, ScheduleMoment(record), true, 0, false});
    return true;
}

bool DueTracker::DelayRunsOut(ScheduleRecord& record, Waiting& waiting, const DueSpan& span, uint64_t runningMs) {
    if (waiting.AwaitingAnswer) return false;
    // A later occurrence that comes while the delay runs takes its place.
    const MinuteNumber later = NextOccurrence(record, std::max(waiting.Occurrence, span.After));
    if (later <= span.Through) {
        MoveOn(record, std::max(waiting.Occurrence, span.After));
        waiting.Occurrence = later;
    } else if (waiting.RemindAtMs > runningMs) {
        return false;
    }
    waiting.AwaitingAnswer = true;
    return true;
}

void DueTracker::Settle(const ScheduleListHolder& schedules, uint32_t userId, const LocalTime& now) {
    const Waiting* waiting = WaitingFor(userId);
    ScheduleRecord* record = ScheduleListFind(schedules, userId);
    const bool crossed = waiting != nullptr && record != nullptr && waiting->CrossedClockChange &&
                         waiting->Occurrence == ScheduleMoment(*record);
    Forget(userId);
    if (record == nullptr || record->Kind == skNothing) return;
    SettleRecord(*record, crossed, std::max(clock_.CheckedThrough(), MinuteNumberOf(now)));
}

void DueTracker::SettleRecord(ScheduleRecord& record, bool crossedClockChange, MinuteNumber passed) {
    if (crossedClockChange) {
        const MinuteNumber next = NextOccurrenceComingBack(record, passed);
        if (next != ScheduleMoment(record)) MoveTo(record, next, passed);
    } else if (ScheduleMoment(record) <= passed) {
        MoveOn(record, passed);
    }
}

void DueTracker::RemindAgain(const ScheduleListHolder& schedules, uint32_t userId, const ClockReading& now,
                             int32_t minutes) {
    Forget(userId);
    if (const ScheduleRecord* record = ScheduleListFind(schedules, userId)) {
        const uint64_t delayMs = static_cast<uint64_t>(std::max(minutes, 1)) * kMsPerMinute;
        waiting_.push_back({userId, ScheduleMoment(*record), false, now.RunningMs + delayMs, false});
    }
}

void DueTracker::ClockSetByHand(const ScheduleListHolder& schedules, const LocalTime& now) {
    const MinuteNumber before = clock_.CheckedThrough();
    clock_.Restart(now);
    armedFor_ = kNotArmed;
    const MinuteNumber corrected = clock_.CheckedThrough();
    ForEachFirstRecord(schedules, [&](ScheduleRecord& record) {
        Waiting* waiting = WaitingFor(record.UserID);
        const bool reminded = waiting != nullptr && waiting->Occurrence == ScheduleMoment(record);
        const bool returned = corrected < before && record.Kind != skNothing && ReturnFromWrongClock(record, corrected);
        if (!reminded) return;
        // Returned where it was, the occurrence is the one to answer; else
        // the answer settles it against the corrected time.
        if (returned) waiting->Occurrence = ScheduleMoment(record);
        waiting->CrossedClockChange = !returned;
    });
    SettleLapsedDelays(schedules, corrected);
}

void DueTracker::SettleLapsedDelays(const ScheduleListHolder& schedules, MinuteNumber passed) {
    std::vector<Waiting> lapsed;
    for (const Waiting& waiting : waiting_) {
        if (!waiting.AwaitingAnswer) lapsed.push_back(waiting);
    }
    for (const Waiting& waiting : lapsed) {
        Forget(waiting.UserID);
        ScheduleRecord* record = ScheduleListFind(schedules, waiting.UserID);
        if (record == nullptr || record->Kind == skNothing) continue;
        SettleRecord(*record, waiting.CrossedClockChange && waiting.Occurrence == ScheduleMoment(*record), passed);
    }
}

bool DueTracker::ReturnFromWrongClock(ScheduleRecord& record, MinuteNumber corrected) {
    const ProgramMoves* moves = MovesOf(record);
    if (moves == nullptr || moves->LatestMadeAt <= corrected) return false;
    const MinuteNumber before = moves->Before;
    programMoves_.erase(programMoves_.begin() + (moves - programMoves_.data()));
    WriteOccurrenceDate(record, before);
    ++moves_;
    if (ScheduleMoment(record) <= corrected) MoveOn(record, corrected);
    return true;
}

NextDue DueTracker::Arm(const ScheduleListHolder& schedules) {
    NextDue next;
    ForEachFirstRecord(schedules, [&](const ScheduleRecord& record) { AddNextDue(record, next); });
    armedFor_ = next.Occurrence;
    return next;
}

void DueTracker::AddNextDue(const ScheduleRecord& record, NextDue& next) const {
    if (record.Kind == skNothing) return;
    MinuteNumber after = clock_.CheckedThrough();
    const Waiting* waiting = WaitingFor(record.UserID);
    if (waiting != nullptr && waiting->Occurrence == ScheduleMoment(record)) {
        if (waiting->AwaitingAnswer) return;
        next.DelayEndsMs = std::min(next.DelayEndsMs, waiting->RemindAtMs);
        after = std::max(after, waiting->Occurrence);
    }
    next.Occurrence = std::min(next.Occurrence, NextOccurrence(record, after));
}

void DueTracker::MoveOn(ScheduleRecord& record, MinuteNumber after) {
    MoveTo(record, NextOccurrence(record, after), std::max(after, clock_.CheckedThrough()));
}

void DueTracker::MoveTo(ScheduleRecord& record, MinuteNumber moment, MinuteNumber madeAt) {
    ProgramMoves* moves = MovesOf(record);
    if (moves == nullptr) {
        // The person set it last (or the program never moved it): a new account.
        programMoves_.erase(std::remove_if(programMoves_.begin(), programMoves_.end(),
                                           [&record](const ProgramMoves& old) { return old.UserID == record.UserID; }),
                            programMoves_.end());
        programMoves_.push_back({record.UserID, record.Kind, record.Param, ScheduleMoment(record), 0, 0});
        moves = &programMoves_.back();
    }
    WriteOccurrenceDate(record, moment);
    moves->LeftAt = ScheduleMoment(record);
    moves->LatestMadeAt = madeAt;
    ++moves_;
}

DueTracker::Waiting* DueTracker::WaitingFor(uint32_t userId) {
    const auto found = std::find_if(waiting_.begin(), waiting_.end(),
                                    [userId](const Waiting& waiting) { return waiting.UserID == userId; });
    return found != waiting_.end() ? &*found : nullptr;
}

const DueTracker::Waiting* DueTracker::WaitingFor(uint32_t userId) const {
    return const_cast<DueTracker*>(this)->WaitingFor(userId);
}

DueTracker::ProgramMoves* DueTracker::MovesOf(const ScheduleRecord& record) {
    for (ProgramMoves& moves : programMoves_) {
        if (moves.UserID != record.UserID) continue;
        const bool asLeft = moves.Kind == record.Kind && moves.Param == record.Param &&
                            moves.LeftAt == ScheduleMoment(record);
        return asLeft ? &moves : nullptr;
    }
    return nullptr;
}

void DueTracker::Forget(uint32_t userId) {
    waiting_.erase(std::remove_if(waiting_.begin(), waiting_.end(),
                                  [userId](const Waiting& waiting) { return waiting.UserID == userId; }),
                   waiting_.end());
}

}  // namespace corvane
