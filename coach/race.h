#pragma once

#include "coach/computer_model.h"
#include "coach/solo.h"

namespace kvint::coach {

// The chance that a side wins (a draw counting half) once its turn has ended
// with its column `mine` and the other side's `theirs`, the other side to
// move. Exact where the game is over: a complete column ends it at once, on
// the totals. Otherwise a model of the race:
// - the other side needs T more turns to fill its column: the computer as its
//   chain plays at its strength with its new rolls reading `mine`
//   (ComputerModel), a person as this coach plays (one free category a turn,
//   with some turns lost);
// - this side then gets T - 1 turns, or fewer when it fills its own column
//   first, which ends the game before the other side's remaining turns; it
//   takes the better of those plans;
// - points to come: this side's from the SoloTable with that many turns, the
//   computer's as its mean entries, spread over its turns;
// - the margin is taken as normal, with a spread that grows with the
//   categories still to be written.
// The approximations: the turn counts are expectations, the categories are
// filled independently of the dice the other side holds, and a plan for the
// points of the turns left stands in for a plan for the win.
class Race {
  public:
    Race(const SoloTable& solo, const ComputerModel& computer) : solo_(solo), computer_(computer) {}

    struct Sides {
        const Column& mine;
        const Column& theirs;
        bool mineIsLeft;
        bool againstComputer;
        u8 level;
    };
    [[nodiscard]] float winChance(const Sides& s) const;

  private:
    const SoloTable& solo_;
    const ComputerModel& computer_;
};

} // namespace kvint::coach
