#pragma once

#include "coach/computer_model.h"
#include "coach/turn.h"

#include <vector>

namespace kvint::coach {

// The points a side can still expect in its free categories with a number of
// turns left, playing each turn exactly for points alone: the slack between
// turns and free categories is what lets it wait for a better roll. Passing,
// and a face no die shows (0 points, the category stays free), use up a turn
// and write nothing.
class SoloTable {
  public:
    static constexpr std::size_t kTurns = 16; // more turns count as this many

    SoloTable(const DiceSpace& space, const PointsTable& points);

    // Expected points with `turns` left, between whole turns by a straight
    // line.
    [[nodiscard]] float expected(FreeSet free, float turns) const;
    [[nodiscard]] float expected(FreeSet free, std::size_t turns) const {
        return table_[std::min(turns, kTurns) * (kAllFree + 1) + free];
    }

  private:
    std::vector<float> table_; // [turns][free set]
};

// What ending the turn with each roll is worth: the best of passing (worth
// `pass`) and each entry into a free category that the roll may take, where
// `after(k, points)` values the column with that entry made.
template <typename After>
void endValues(const DiceSpace& space, const PointsTable& points, FreeSet free, float pass,
               After&& after, Values& out) {
    for (std::uint16_t roll : space.rolls()) {
        float best = pass;
        for (std::size_t k = 1; k <= kCategories; ++k) {
            const int p = points.points(roll, k);
            if (((free >> (k - 1)) & 1U) && p > 0) {
                best = std::max(best, after(k, p));
            }
        }
        out[roll] = best;
    }
}

} // namespace kvint::coach
