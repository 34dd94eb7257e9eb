// The reminders' bookkeeping for as long as the program runs: at each check,
// which users to remind, what each answer does to their schedules, and when
// anything can next fall due.
//
// Every occurrence is reminded once, at the first check at or after its
// moment. A schedule never stays behind the check: one left there (by a page
// edit, a skipped reminder, a clock set by hand) moves on to its next
// occurrence. While a reminder waits for its answer, or a delay runs, the
// occurrence it is about stays where it is. Delays count the time the
// machine has been running, which neither summer time nor a hand on the
// clock moves.
#pragma once

#include <cstdint>
#include <vector>

#include "due_check.h"
#include "local_time.h"
#include "next_due.h"
#include "schedule_list.h"

namespace corvane {

// Both clocks at one moment: the local wall clock, which occurrences live
// on, and the milliseconds the machine has been running (GetTickCount64:
// sleep included, no one can set it), which delays count in.
struct ClockReading {
    LocalTime Local;
    uint64_t RunningMs;
};

class DueTracker {
public:
    // `start`: a clock reading taken before the start-up catch-up.
    explicit DueTracker(const LocalTime& start) : clock_(start) {}

    // One check at `now`. Returns the users to remind, in list order: those
    // whose occurrence came since the previous check and those whose delay
    // ran out. Each waits for its answer (Settle or RemindAgain) from then on.
    std::vector<uint32_t> Check(const ScheduleListHolder& schedules, const ClockReading& now);

    // This occurrence is over (HotSync started, "don't remind me again", the
    // close box, or nothing to show): the schedule moves to its first
    // occurrence after the last minute checked and `now`. One whose reminder
    // was open while the clock was set by hand is settled against the
    // corrected time: it comes back to its next occurrence after `now`.
    void Settle(const ScheduleListHolder& schedules, uint32_t userId, const LocalTime& now);

    // Remind of this occurrence once more `minutes` of running time after
    // `now` (at least one minute); the schedule itself stays as it is.
    void RemindAgain(const ScheduleListHolder& schedules, uint32_t userId, const ClockReading& now, int32_t minutes);

    // The clock was set by hand to `now`: checking restarts there rather than
    // taking the jump for minutes gone by or to come again. A running delay
    // lapses and its occurrence is settled against the corrected time, as an
    // open reminder's will be. When the clock went back, every schedule the
    // program itself moved at a time the corrected clock has not reached yet
    // returns to where it was before those moves (or, if that lies behind,
    // to its next occurrence); a date the person chose stays.
    void ClockSetByHand(const ScheduleListHolder& schedules, const LocalTime& now);

    // What can fall due next, for the one timer. Until the timer is armed
    // again, nothing can fall due before that occurrence unless a schedule is
    // set there meanwhile: the next check counts the minutes before it as
    // checked, so that a schedule the page sets to a time already past moves
    // on without a reminder however long ago the previous check was.
    NextDue Arm(const ScheduleListHolder& schedules);

    MinuteNumber CheckedThrough() const { return clock_.CheckedThrough(); }
    // How many times a schedule was moved so far: a change means there is
    // something new to show and to save.
    uint64_t Moves() const { return moves_; }

private:
    // An occurrence reminded of and not settled: its answer is awaited, or
    // it is to be reminded of again at RemindAtMs of running time.
    struct Waiting {
        uint32_t UserID;
        MinuteNumber Occurrence;
        bool AwaitingAnswer;
        uint64_t RemindAtMs;
        bool CrossedClockChange;  // the clock was set by hand since it was reminded
    };
    // The program's own moves of a schedule since the person last set it:
    // where it was before them, where they left it, and the clock minute of
    // the latest (a move made at a minute the corrected clock has not reached
    // yet was made by a wrong clock).
    struct ProgramMoves {
        uint32_t UserID;
        int16_t Kind;
        int16_t Param;
        MinuteNumber Before;
        MinuteNumber LeftAt;
        MinuteNumber LatestMadeAt;
    };

    bool CheckOne(ScheduleRecord& record, const DueSpan& span, uint64_t runningMs);
    bool DelayRunsOut(ScheduleRecord& record, Waiting& waiting, const DueSpan& span, uint64_t runningMs);
    // Adds what the record can next bring to `next`.
    void AddNextDue(const ScheduleRecord& record, NextDue& next) const;
    void MoveOn(ScheduleRecord& record, MinuteNumber after);
    void MoveTo(ScheduleRecord& record, MinuteNumber moment, MinuteNumber madeAt);
    // Undoes the program's moves made by a clock ahead of `corrected`.
    bool ReturnFromWrongClock(ScheduleRecord& record, MinuteNumber corrected);
    void SettleRecord(ScheduleRecord& record, bool crossedClockChange, MinuteNumber passed);
    void SettleLapsedDelays(const ScheduleListHolder& schedules, MinuteNumber passed);
    Waiting* WaitingFor(uint32_t userId);
    const Waiting* WaitingFor(uint32_t userId) const;
    ProgramMoves* MovesOf(const ScheduleRecord& record);
    void Forget(uint32_t userId);

    DueClock clock_;
    std::vector<Waiting> waiting_;
    std::vector<ProgramMoves> programMoves_;
    static constexpr MinuteNumber kNotArmed = INT64_MIN;
    MinuteNumber armedFor_ = kNotArmed;  // the earliest occurrence when the timer was last armed
    uint64_t moves_ = 0;
};

}  // namespace corvane
