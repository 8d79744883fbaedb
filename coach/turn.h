#pragma once

#include "coach/dice_space.h"

#include <array>
#include <cstdint>
#include <vector>

namespace kvint::coach {

// A value for each set of DiceSpace; only the rolls' entries mean anything
// where a value of six dice is asked for.
using Values = std::array<float, DiceSpace::kSets>;

// The exact solution of one turn's re-rolls, given what ending the turn with
// each roll is worth. Each face of a re-rolled die is equally likely, as the
// game draws it, and the new faces are the only thing a re-roll changes.

// The expected value of keeping each set and re-rolling the other dice.
void keepValues(const DiceSpace& space, const Values& rollValue, Values& keepValue);

// The value of each roll one roll earlier in the turn: ending the turn with
// it, or the best re-roll, which keeps a proper part of it (at least one die
// is thrown).
void rollValues(const DiceSpace& space, const Values& endValue, const Values& keepValue,
                Values& rollValue);

// Every proper part of a roll's dice that may be kept, as sets.
std::vector<std::uint16_t> properKeeps(const DiceSpace& space, std::size_t roll);

// The points each category gives each roll, as the game counts them; -1 when
// a combination is not shown.
class PointsTable {
  public:
    explicit PointsTable(const DiceSpace& space);
    [[nodiscard]] int points(std::size_t roll, std::size_t k) const { return pts_[roll][k - 1]; }

  private:
    std::vector<std::array<std::int8_t, kCategories>> pts_;
};

} // namespace kvint::coach
