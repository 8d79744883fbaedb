#include "coach/solo.h"

#include <algorithm>
#include <cmath>

namespace kvint::coach {

SoloTable::SoloTable(const DiceSpace& space, const PointsTable& points)
    : table_((kTurns + 1) * (kAllFree + 1), 0.0F) {
    Values end{};
    Values keep{};
    Values roll{};
    const std::size_t emptyKeep = space.index(Counts{});
    for (std::size_t t = 1; t <= kTurns; ++t) {
        const float* before = &table_[(t - 1) * (kAllFree + 1)];
        for (FreeSet free = 1; free <= kAllFree; ++free) {
            endValues(
                space, points, free, before[free],
                [&](std::size_t k, int p) {
                    return static_cast<float>(p) + before[free & ~(1U << (k - 1))];
                },
                end);
            keepValues(space, end, keep);
            rollValues(space, end, keep, roll);
            keepValues(space, roll, keep);
            rollValues(space, end, keep, roll);
            float e = 0.0F;
            for (const DiceSpace::Outcome& o : space.outcomes(emptyKeep)) {
                e += o.p * roll[o.roll];
            }
            table_[t * (kAllFree + 1) + free] = e;
        }
    }
}

float SoloTable::expected(FreeSet free, float turns) const {
    const float t = std::clamp(turns, 0.0F, static_cast<float>(kTurns));
    const auto lo = static_cast<std::size_t>(std::floor(t));
    const float frac = t - static_cast<float>(lo);
    const float a = expected(free, lo);
    return frac == 0.0F ? a : a + frac * (expected(free, lo + 1) - a);
}

} // namespace kvint::coach
