#pragma once

#include "coach/computer_model.h"
#include "coach/turn.h"

#include <algorithm>
#include <bit>
#include <vector>

namespace kvint::coach {

// A side playing for points alone with a number of turns left: the points it
// can expect in its free categories, and the chance that its plan fills them
// all in time. The slack between turns and free categories is what lets it
// wait for a better roll. Passing, and a face no die shows (0 points, the
// category stays free), use up a turn and write nothing.
struct Solo {
    float points = 0.0F;
    float done = 0.0F;

    friend Solo operator+(const Solo& a, const Solo& b) {
        return {a.points + b.points, a.done + b.done};
    }
    friend Solo operator*(float p, const Solo& a) { return {p * a.points, p * a.done}; }
};

inline float rank(const Solo& s) {
    return s.points;
}

class SoloTable {
  public:
    // Turns beyond a side's free categories that still pay: more slack than
    // this counts as this much, which is close to the best each category
    // can give.
    static constexpr std::size_t kSlack = 8;
    static constexpr std::size_t kTurns = kCategories + kSlack;

    SoloTable(const DiceSpace& space, const PointsTable& points);

    // With `turns` left, between whole turns by a straight line.
    [[nodiscard]] Solo expected(FreeSet free, float turns) const;
    [[nodiscard]] const Solo& expected(FreeSet free, std::size_t turns) const {
        return table_[std::min(turns, kTurns) * (kAllFree + 1) + free];
    }

  private:
    [[nodiscard]] static std::size_t usefulTurns(FreeSet free) {
        return static_cast<std::size_t>(std::popcount(free)) + kSlack;
    }

    std::vector<Solo> table_; // [turns][free set]
};

// What ending the turn with each roll is worth: the best of passing (worth
// `pass`) and each entry into a free category that the roll may take, where
// `after(k, points)` values the column with that entry made.
template <typename T, typename After>
void endValues(const DiceSpace& space, const PointsTable& points, FreeSet free, const T& pass,
               After&& after, SetValues<T>& out) {
    for (std::uint16_t roll : space.rolls()) {
        T best = pass;
        for (std::size_t k = 1; k <= kCategories; ++k) {
            const int p = points.points(roll, k);
            if (((free >> (k - 1)) & 1U) && p > 0) {
                const T v = after(k, p);
                if (rank(v) > rank(best)) {
                    best = v;
                }
            }
        }
        out[roll] = best;
    }
}

} // namespace kvint::coach
