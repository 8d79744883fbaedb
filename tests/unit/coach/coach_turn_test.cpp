// The exact re-rolls over sets of dice against a plain enumeration by
// positions: every mask of dice to throw and every face each thrown die can
// show.
#include "coach/turn.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace kvint::coach {
namespace {

using Roll = std::array<int, kDice>;

// Any value of six dice that does not depend on their order.
float endValue(Roll r) {
    std::sort(r.begin(), r.end());
    float v = 0.0F;
    for (std::size_t i = 0; i < kDice; ++i) {
        v += static_cast<float>((r[i] * 7 + static_cast<int>(i) * 3) % 11) * 0.1F;
    }
    return std::sin(v) + (r[0] == r[5] ? 2.0F : 0.0F);
}

Counts countsOfRoll(const Roll& r) {
    Counts c{};
    for (int f : r) {
        ++c[static_cast<std::size_t>(f - 1)];
    }
    return c;
}

// The best of stopping and every re-roll, one roll before the end, each
// outcome of the thrown dice enumerated by position.
template <typename Next> float bruteBefore(const Roll& r, float stop, Next&& next) {
    float best = stop;
    for (unsigned mask = 1; mask < 64; ++mask) {
        std::array<std::size_t, kDice> thrown{};
        std::size_t n = 0;
        for (std::size_t i = 0; i < kDice; ++i) {
            if ((mask >> i) & 1U) {
                thrown[n++] = i;
            }
        }
        const auto outcomes = static_cast<unsigned>(std::pow(6, n));
        double sum = 0.0;
        for (unsigned o = 0; o < outcomes; ++o) {
            Roll after = r;
            unsigned code = o;
            for (std::size_t j = 0; j < n; ++j, code /= 6) {
                after[thrown[j]] = static_cast<int>(code % 6) + 1;
            }
            sum += next(after);
        }
        best = std::max(best, static_cast<float>(sum / outcomes));
    }
    return best;
}

TEST(CoachTurn, ReRollsAgreeWithEnumerationByPositions) {
    const DiceSpace space;
    Values end{};
    for (std::uint16_t roll : space.rolls()) {
        const Dice& d = space.sorted(roll);
        Roll r{};
        std::copy(d.begin(), d.end(), r.begin());
        end[roll] = endValue(r);
    }
    Values keep{};
    Values second{};
    keepValues(space, end, keep);
    rollValues(space, end, keep, second);
    Values first{};
    keepValues(space, second, keep);
    rollValues(space, end, keep, first);

    // The second roll by enumeration; the first on top of the second's
    // values, which the same enumeration has just checked.
    const auto solvedSecond = [&](const Roll& r) { return second[space.index(countsOfRoll(r))]; };
    for (const Roll& r : {Roll{6, 5, 4, 3, 2, 1}, Roll{1, 1, 1, 1, 1, 1}, Roll{3, 6, 3, 6, 2, 3},
                          Roll{5, 5, 2, 2, 4, 1}}) {
        const std::size_t set = space.index(countsOfRoll(r));
        EXPECT_NEAR(second[set], bruteBefore(r, endValue(r), endValue), 1e-4);
        EXPECT_NEAR(first[set], bruteBefore(r, endValue(r), solvedSecond), 1e-4);
    }
    // Every outcome list is a distribution over rolls of six dice.
    for (std::uint16_t s : space.bySize()) {
        float total = 0.0F;
        for (const DiceSpace::Outcome& o : space.outcomes(s)) {
            total += o.p;
            EXPECT_EQ(space.size(o.roll), kDice);
        }
        EXPECT_NEAR(total, 1.0F, 1e-5);
    }
}

} // namespace
} // namespace kvint::coach
