#include "coach/race.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace kvint::coach {
namespace {

// Turns a person lets go by for every category written, against the coach.
constexpr float kPersonTurnsPerEntry = 1.2F;
// The spread of the final margin: per category still to be written, and a floor.
constexpr float kVariancePerEntry = 30.0F;
constexpr float kVarianceFloor = 16.0F;

float onTotals(int mine, int theirs) {
    if (mine == theirs) {
        return 0.5F;
    }
    return mine > theirs ? 1.0F : 0.0F;
}

float normalAbove(float margin, float variance) {
    return 0.5F * std::erfc(-margin / std::sqrt(2.0F * variance));
}

} // namespace

float Race::winChance(const Sides& s) const {
    const int mineTotal = columnTotal(s.mine);
    const int theirTotal = columnTotal(s.theirs);
    if (columnComplete(s.mine) || columnComplete(s.theirs)) {
        return onTotals(mineTotal, theirTotal);
    }
    const FreeSet mineFree = freeSet(s.mine);
    const FreeSet theirFree = freeSet(s.theirs);
    const auto mineLeft = static_cast<float>(std::popcount(mineFree));
    const auto theirLeft = static_cast<float>(std::popcount(theirFree));
    const Column& left = s.mineIsLeft ? s.mine : s.theirs;
    const float theirTurns = s.againstComputer
                                 ? computer_.turns(s.level, left, theirFree)
                                 : theirLeft * kPersonTurnsPerEntry;
    const float myTurns = std::max(0.0F, theirTurns - 1.0F);
    // What the other side adds in `turns` turns.
    const auto theirGain = [&](float turns) {
        if (!s.againstComputer) {
            return solo_.expected(theirFree, turns);
        }
        return computer_.points(s.level, left, theirFree) * std::min(1.0F, turns / theirTurns);
    };
    const auto chance = [&](float mine, float turns, float theirEntries) {
        const float margin = static_cast<float>(mineTotal - theirTotal) + mine - theirGain(turns);
        return normalAbove(margin,
                           kVariancePerEntry * (std::min(mineLeft, turns) + theirEntries) +
                               kVarianceFloor);
    };
    // The other side fills its column first.
    float best = chance(solo_.expected(mineFree, myTurns), theirTurns, theirLeft);
    // This side fills its own first, in h turns, and the other side has h.
    for (float h = mineLeft; h < myTurns; h += 1.0F) {
        best = std::max(best, chance(solo_.expected(mineFree, h), h,
                                     theirLeft * std::min(1.0F, h / theirTurns)));
    }
    return best;
}

} // namespace kvint::coach
