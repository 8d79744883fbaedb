#include "coach/race.h"

#include "coach/on_totals.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>

namespace kvint::coach {
namespace {

// Turns a person takes for every category written, taken to play as the coach.
constexpr float kPersonTurnsPerEntry = 1.5F;
// The computer's turns to come are planned up to the number within which it
// fills its column with this small chance: the end comes at an uncertain
// turn, and a category still free then loses all its points, so the plan is
// for the turns this side surely has. Fitted by duels of 3,000 and 4,000
// games on three seeds (0.02 to 0.2 tried; 0.02 to 0.1 lie within the noise
// of each other, 0.2 costs "Мастер" four points).
constexpr float kSureChance = 0.05F;
// A person's turns to come are planned at this share of their expectation,
// as the computer's were before its turns were known as a chain (fitted by
// duels against "Мастер").
constexpr float kPersonHorizonShare = 0.5F;
// When this side's plan does not fill its column in time, the other side
// plays on past the planned turns; against "Новичок" and "Профи" its points
// are counted for this larger share of its turns (fitted by duels of 2,000
// and 10,000 games; against "Мастер" it cost more than the noise; checked
// again with the turns surely had: 0.35 to 1.0 all cost a point or more).
constexpr std::array<float, 3> kFullShare = {0.5F, 0.75F, 0.75F};
// The spread of the final margin, per category still to be written (fitted
// with the share above), and a floor.
constexpr float kVariancePerEntry = 100.0F;

constexpr float kVarianceFloor = 16.0F;

float normalAbove(float margin, float variance) {
    return 0.5F * std::erfc(-margin / std::sqrt(2.0F * variance));
}

} // namespace

bool Race::modelled(const Sides& s) {
    if (columnComplete(s.mine) || columnComplete(s.theirs)) {
        return false;
    }
    return !s.againstComputer || std::popcount(freeSet(s.mine)) != 1 ||
           std::popcount(freeSet(s.theirs)) > Endgame::kMostTheirs;
}

float Race::winChance(const Sides& s) const {
    const int margin = columnTotal(s.mine) - columnTotal(s.theirs);
    if (columnComplete(s.mine) || columnComplete(s.theirs)) {
        return onTotals(margin);
    }
    if (!modelled(s)) {
        const FreeSet mineFree = freeSet(s.mine);
        const auto k = static_cast<std::size_t>(std::countr_zero(mineFree)) + 1;
        return endgame_.afterTurn(computer_, {s.level, s.mine, k, freeSet(s.theirs), margin});
    }
    if (novice_ != nullptr && s.againstComputer && s.mineIsLeft && s.level == strength::novice) {
        return novice_->afterTurn(freeSet(s.mine), freeSet(s.theirs), margin);
    }
    const float model = modelChance(s);
    if (!s.againstComputer || !s.mineIsLeft) {
        return model;
    }
    return correction_.chance(s.level, s.mine, s.theirs, model);
}

float Race::modelChance(const Sides& s) const {
    const int mineTotal = columnTotal(s.mine);
    const int theirTotal = columnTotal(s.theirs);
    const FreeSet mineFree = freeSet(s.mine);
    const FreeSet theirFree = freeSet(s.theirs);
    const auto mineLeft = static_cast<float>(std::popcount(mineFree));
    const auto theirLeft = static_cast<float>(std::popcount(theirFree));
    const Column& left = s.mineIsLeft ? s.mine : s.theirs;
    const std::size_t fit = s.againstComputer ? std::min<std::size_t>(s.level, 2) : 0;
    const float expectedTurns = s.againstComputer ? computer_.turns(s.level, left, theirFree)
                                                  : theirLeft * kPersonTurnsPerEntry;
    const float theirTurns = s.againstComputer
                                 ? computer_.turnsFor(s.level, left, theirFree, kSureChance)
                                 : kPersonHorizonShare * expectedTurns;
    const float lastTurns = std::max(1.0F, theirTurns - 1.0F);
    const auto base = static_cast<float>(mineTotal - theirTotal);
    const auto theirGain = [&](float played) {
        return s.againstComputer ? computer_.pointsWithin(s.level, left, theirFree, played)
                                 : solo_.expected(theirFree, played).points;
    };
    const float theirAll = theirGain(kFullShare[fit] * expectedTurns);
    // A plan of h turns: played for the points of h turns, it fills this
    // column in time with the chance `done`, which ends the game after the
    // other side's h turns; else the other side fills its column first.
    const auto chance = [&](float h) {
        const Solo mine = solo_.expected(mineFree, h);
        const float variance =
            kVariancePerEntry * (std::min(mineLeft, h) + theirLeft) + kVarianceFloor;
        const float cut = normalAbove(base + mine.points - theirGain(h), variance);
        const float full = normalAbove(base + mine.points - theirAll, variance);
        return mine.done * cut + (1.0F - mine.done) * full;
    };
    float best = chance(lastTurns);
    for (int h = 1; static_cast<float>(h) < lastTurns; ++h) {
        best = std::max(best, chance(static_cast<float>(h)));
    }
    return best;
}

} // namespace kvint::coach
