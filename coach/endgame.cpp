#include "coach/endgame.h"

#include "coach/on_totals.h"

#include <algorithm>
#include <bit>
#include <map>
#include <utility>

namespace kvint::coach {
namespace {

constexpr int kMostPoints = 36;
// This side's turn, writing its last category with `needed` points to draw
// (0: any points win) or passing for `pass`.
float solveTurn(const DiceSpace& space, const PointsTable& points, std::size_t k, int needed,
                float pass) {
    Values end{};
    for (std::uint16_t roll : space.rolls()) {
        const int p = points.points(roll, k);
        const float write = p <= 0 ? 0.0F : onTotals(p - needed);
        end[roll] = std::max(pass, write);
    }
    Values keep{};
    Values roll{};
    keepValues(space, end, keep);
    rollValues(space, end, keep, roll);
    keepValues(space, roll, keep);
    rollValues(space, end, keep, roll);
    float e = 0.0F;
    for (const DiceSpace::Outcome& o : space.outcomes(space.index(Counts{}))) {
        e += o.p * roll[o.roll];
    }
    return e;
}

} // namespace

Endgame::Endgame(const DiceSpace& space, const PointsTable& points)
    : turn_(kCategories * kNeeds * (kGrid + 1)) {
    for (std::size_t k = 1; k <= kCategories; ++k) {
        for (std::size_t needed = 0; needed < kNeeds; ++needed) {
            for (std::size_t g = 0; g <= kGrid; ++g) {
                turn_[((k - 1) * kNeeds + needed) * (kGrid + 1) + g] =
                    solveTurn(space, points, k, static_cast<int>(needed),
                              static_cast<float>(g) / static_cast<float>(kGrid));
            }
        }
    }
}

const float* Endgame::row(std::size_t k, int margin) const {
    const auto needed = static_cast<std::size_t>(std::clamp(-margin, 0, kMostPoints + 1));
    return &turn_[((k - 1) * kNeeds + needed) * (kGrid + 1)];
}

float Endgame::turnValue(std::size_t k, int margin, float pass) const {
    const float x = std::clamp(pass, 0.0F, 1.0F) * static_cast<float>(kGrid);
    const auto lo = std::min(static_cast<std::size_t>(x), kGrid - 1);
    const float* v = row(k, margin);
    return v[lo] + (x - static_cast<float>(lo)) * (v[lo + 1] - v[lo]);
}

// A turn of the computer that writes nothing leaves this side's turn to
// pass back to the same value: v = written + stay * turnValue(v). The turn's
// value rises by at most as much as the pass value, so v less the right side
// falls, and its one root lies in the grid's cell found by halving, where
// both sides are straight lines.
float Endgame::settled(std::size_t k, int margin, float written, float stay) const {
    const float* v = row(k, margin);
    const auto excess = [&](std::size_t g) {
        return written + stay * v[g] - static_cast<float>(g) / static_cast<float>(kGrid);
    };
    std::size_t lo = 0;
    std::size_t hi = kGrid;
    while (hi - lo > 1) {
        const std::size_t mid = (lo + hi) / 2;
        (excess(mid) >= 0.0F ? lo : hi) = mid;
    }
    const float slope = (v[hi] - v[lo]) * static_cast<float>(kGrid);
    const float x = static_cast<float>(lo) / static_cast<float>(kGrid);
    const float value =
        (written + stay * (v[lo] - slope * x)) / std::max(1.0F - stay * slope, 1e-6F);
    return std::clamp(value, 0.0F, 1.0F);
}

float Endgame::afterTurn(const ComputerModel& computer, const Sides& s) const {
    std::map<std::pair<FreeSet, int>, float> memo;
    // The computer to move with `theirs` free at `margin`.
    const auto computerMove = [&](const auto& self, FreeSet theirs, int margin) -> float {
        const auto [it, fresh] = memo.try_emplace({theirs, margin}, 0.0F);
        if (!fresh) {
            return it->second;
        }
        float written = 0.0F;
        float stay = 1.0F;
        for (const ComputerModel::Outcome& o : computer.outcomes(s.level, s.left, theirs)) {
            const FreeSet rest = theirs & ~(1U << (o.k - 1));
            const int after = margin - o.points;
            written += o.p * (rest == 0 ? onTotals(after)
                                        : turnValue(s.k, after, self(self, rest, after)));
            stay -= o.p;
        }
        it->second = settled(s.k, margin, written, std::max(stay, 0.0F));
        return it->second;
    };
    return computerMove(computerMove, s.theirs, s.margin);
}

} // namespace kvint::coach
