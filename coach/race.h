#pragma once

#include "coach/computer_model.h"
#include "coach/endgame.h"
#include "coach/novice_solution.h"
#include "coach/race_correction.h"
#include "coach/solo.h"

namespace kvint::coach {

// The chance that a side wins (a draw counting half) once its turn has ended
// with its column `mine` and the other side's `theirs`, the other side to
// move. Exact where the game is over: a complete column ends it at once, on
// the totals; nearly so against the computer with one category left to this
// side and few to the computer (Endgame). Otherwise a model of the race:
// - the other side needs T more turns to fill its column: the computer as its
//   chain plays at its strength with its new rolls reading `mine`
//   (ComputerModel, a chain on its free set, so T is known as a
//   distribution), a person as this coach plays (a category about every one
//   and a half turns);
// - this side plans for a number of turns h up to the turns it surely has
//   (those within which the computer fills its column with a small chance;
//   against a person half its expected turns) and expects the SoloTable's
//   points for h turns; with the table's chance its plan fills the column
//   within h turns, which ends the game after the other side's h turns, else
//   the other side fills its column first;
// - the margin is taken as normal, with a spread that grows with the
//   categories still to be written, and the best plan counts.
// Against the computer the model's chance is then corrected by curves
// measured on the coach's duels (RaceCorrection). Given a solution of the
// game against "Новичок" (NoviceSolution, too large to ship), the left
// side's chance at that strength is read from it instead, where the end is
// not solved exactly.
// The approximations: of T's distribution only the turns surely had count,
// and the other side's points when it fills first are those of a share of
// its expected turns (fitted by duels); a plan for the points of h turns
// stands in for a plan for the win.
class Race {
  public:
    Race(const SoloTable& solo, const ComputerModel& computer, const Endgame& endgame,
         const RaceCorrection& correction, const NoviceSolution* novice = nullptr)
        : solo_(solo), computer_(computer), endgame_(endgame), correction_(correction),
          novice_(novice) {}

    struct Sides {
        const Column& mine;
        const Column& theirs;
        bool mineIsLeft;
        bool againstComputer;
        u8 level;
    };
    // The model's chance, against the computer as the correction reads it.
    [[nodiscard]] float winChance(const Sides& s) const;
    // Whether the chance is the model's: the game goes on, and the end is not
    // solved exactly.
    [[nodiscard]] static bool modelled(const Sides& s);
    [[nodiscard]] float modelChance(const Sides& s) const;

  private:
    const SoloTable& solo_;
    const ComputerModel& computer_;
    const Endgame& endgame_;
    const RaceCorrection& correction_;
    const NoviceSolution* novice_;
};

} // namespace kvint::coach
