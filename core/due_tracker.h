// The reminders' bookkeeping for as long as the program runs: at each check,
// which users to remind, and what each answer does to their schedules.
//
// Every occurrence is reminded once, at the first check at or after its
// moment. A schedule never stays behind the check: one left there (by a page
// edit, a skipped reminder, a clock set by hand) moves on to its next
// occurrence. While a reminder waits for its answer, or a delay runs, the
// occurrence it is about stays where it is.
#pragma once

#include <cstdint>
#include <vector>

#include "due_check.h"
#include "local_time.h"
#include "schedule_list.h"

namespace corvane {

class DueTracker {
public:
    // `start`: a clock reading taken before the start-up catch-up.
    explicit DueTracker(const LocalTime& start) : clock_(start) {}

    // One check at `now`. Returns the users to remind, in list order: those
    // whose occurrence came since the previous check and those whose delay
    // ran out. Each waits for its answer (Settle or RemindAgain) from then on.
    std::vector<uint32_t> Check(const ScheduleListHolder& schedules, const LocalTime& now);

    // This occurrence is over (HotSync started, "don't remind me again", the
    // close box, or nothing to show): the schedule moves to its first
    // occurrence after the last minute checked and `now`.
    void Settle(const ScheduleListHolder& schedules, uint32_t userId, const LocalTime& now);

    // Remind of this occurrence once more `minutes` after `now` (at least one
    // minute); the schedule itself stays as it is.
    void RemindAgain(const ScheduleListHolder& schedules, uint32_t userId, const LocalTime& now, int32_t minutes);

    // The clock was set by hand to `now`: checking restarts there rather than
    // taking the jump for minutes gone by or to come again; a running delay
    // lapses; and when the clock went back, schedules more than one period
    // ahead of it (carried there by a wrong time) come back to their next
    // occurrence.
    void ClockSetByHand(const ScheduleListHolder& schedules, const LocalTime& now);

    MinuteNumber CheckedThrough() const { return clock_.CheckedThrough(); }
    // How many times a schedule was moved so far: a change means there is
    // something new to show and to save.
    uint64_t Moves() const { return moves_; }

private:
    // An occurrence reminded of and not settled: its answer is awaited
    // (RemindAt is kAwaitingAnswer) or it is to be reminded of again.
    struct Waiting {
        uint32_t UserID;
        MinuteNumber Occurrence;
        MinuteNumber RemindAt;
    };
    static constexpr MinuteNumber kAwaitingAnswer = INT64_MIN;

    bool CheckOne(ScheduleRecord& record, const DueSpan& span);
    bool DelayRunsOut(ScheduleRecord& record, Waiting& waiting, const DueSpan& span);
    void MoveOn(ScheduleRecord& record, MinuteNumber after);
    Waiting* WaitingFor(uint32_t userId);
    void Forget(uint32_t userId);

    DueClock clock_;
    std::vector<Waiting> waiting_;
    uint64_t moves_ = 0;
};

}  // namespace corvane
