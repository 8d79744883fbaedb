#include "coach/solo.h"

#include <algorithm>
#include <cmath>

namespace kvint::coach {

SoloTable::SoloTable(const DiceSpace& space, const PointsTable& points)
    : table_((kTurns + 1) * (kAllFree + 1)) {
    for (std::size_t t = 0; t <= kTurns; ++t) {
        table_[t * (kAllFree + 1)].done = 1.0F; // nothing left to fill
    }
    SetValues<Solo> end{};
    SetValues<Solo> keep{};
    SetValues<Solo> roll{};
    const std::size_t emptyKeep = space.index(Counts{});
    for (std::size_t t = 1; t <= kTurns; ++t) {
        const Solo* before = &table_[(t - 1) * (kAllFree + 1)];
        for (FreeSet free = 1; free <= kAllFree; ++free) {
            if (t > usefulTurns(free)) {
                table_[t * (kAllFree + 1) + free] = before[free];
                continue;
            }
            endValues(
                space, points, free, before[free],
                [&](std::size_t k, int p) {
                    Solo s = before[free & ~(1U << (k - 1))];
                    s.points += static_cast<float>(p);
                    return s;
                },
                end);
            keepValues(space, end, keep);
            rollValues(space, end, keep, roll);
            keepValues(space, roll, keep);
            rollValues(space, end, keep, roll);
            Solo e{};
            for (const DiceSpace::Outcome& o : space.outcomes(emptyKeep)) {
                e = e + o.p * roll[o.roll];
            }
            table_[t * (kAllFree + 1) + free] = e;
        }
    }
}

Solo SoloTable::expected(FreeSet free, float turns) const {
    const float t = std::clamp(turns, 0.0F, static_cast<float>(kTurns));
    const auto lo = static_cast<std::size_t>(std::floor(t));
    const float frac = t - static_cast<float>(lo);
    const Solo& a = expected(free, lo);
    if (frac == 0.0F) {
        return a;
    }
    const Solo& b = expected(free, lo + 1);
    return {a.points + frac * (b.points - a.points), a.done + frac * (b.done - a.done)};
}

} // namespace kvint::coach
