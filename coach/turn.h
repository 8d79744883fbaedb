#pragma once

#include "coach/dice_space.h"

#include <array>
#include <cstdint>
#include <vector>

namespace kvint::coach {

// A value for each set of DiceSpace; only the rolls' entries mean anything
// where a value of six dice is asked for. T is a float, or any value with
// +, a scale by a float and rank() to compare by.
template <typename T> using SetValues = std::array<T, DiceSpace::kSets>;
using Values = SetValues<float>;

inline float rank(float v) {
    return v;
}

// The exact solution of one turn's re-rolls, given what ending the turn with
// each roll is worth. Each face of a re-rolled die is equally likely, as the
// game draws it, and the new faces are the only thing a re-roll changes.

// The expected value of keeping each set and re-rolling the other dice.
template <typename T>
void keepValues(const DiceSpace& space, const SetValues<T>& rollValue, SetValues<T>& keepValue) {
    for (std::size_t keep = 0; keep < DiceSpace::kSets; ++keep) {
        T e{};
        for (const DiceSpace::Outcome& o : space.outcomes(keep)) {
            e = e + o.p * rollValue[o.roll];
        }
        keepValue[keep] = e;
    }
}

// The value of each roll one roll earlier in the turn: ending the turn with
// it, or the best re-roll, which keeps a proper part of it (at least one die
// is thrown).
template <typename T>
void rollValues(const DiceSpace& space, const SetValues<T>& endValue, const SetValues<T>& keepValue,
                SetValues<T>& rollValue) {
    const auto better = [](const T& a, const T& b) { return rank(b) > rank(a) ? b : a; };
    // best[s]: the best keep among all parts of s, s itself included.
    SetValues<T> best{};
    for (std::uint16_t s : space.bySize()) {
        T b = keepValue[s];
        for (std::uint16_t less : space.smaller(s)) {
            b = better(b, best[less]);
        }
        best[s] = b;
    }
    for (std::uint16_t roll : space.rolls()) {
        T v = endValue[roll];
        for (std::uint16_t less : space.smaller(roll)) {
            v = better(v, best[less]);
        }
        rollValue[roll] = v;
    }
}

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
