#pragma once

#include "coach/computer_model.h"
#include "coach/turn.h"

#include <cstddef>
#include <vector>

namespace kvint::coach {

// The end of a game against the computer with one category left to this
// side, solved exactly but for one interpolation: this side's turns by the
// within-turn solution, the computer's by its chain's outcomes, the margin
// in the state, and the end judged at the start of each roll. With one
// category left this side's column no longer changes what the computer's
// chain reads until the game is over.
//
// This side's turn is worth, by the margin, its chance to win outright with
// the entry that completes its column, or what passing leaves it; that is
// solved at construction for a grid of pass values, and read between them
// by a straight line.
class Endgame {
  public:
    // The computer's free categories up to which the end is solved.
    static constexpr int kMostTheirs = 3;

    Endgame(const DiceSpace& space, const PointsTable& points);

    struct Sides {
        u8 level;
        const Column& left; // this side's, as the computer's chain reads it
        std::size_t k;      // this side's one free category
        FreeSet theirs;     // the computer's free categories, at most kMostTheirs
        int margin;         // this side's total less the computer's
    };
    // The chance that this side wins, a draw counting half, once its turn
    // has ended, the computer to move.
    [[nodiscard]] float afterTurn(const ComputerModel& computer, const Sides& s) const;

  private:
    static constexpr std::size_t kGrid = 16;  // steps of the pass value
    static constexpr std::size_t kNeeds = 38; // points needed to draw: 0..36, or more
    // This side's turn values by the pass value's grid points.
    [[nodiscard]] const float* row(std::size_t k, int margin) const;
    [[nodiscard]] float turnValue(std::size_t k, int margin, float pass) const;
    // The computer's move value where its turns write with the chance 1 -
    // stay, for `written` in all, and else leave the same position.
    [[nodiscard]] float settled(std::size_t k, int margin, float written, float stay) const;

    std::vector<float> turn_; // [k - 1][needed][grid point]
};

} // namespace kvint::coach
