// The solo table's build, on its own since it is most of a coach's start:
// the sanitizer build leaves this file uninstrumented (see CMakeLists.txt).
#include "coach/solo.h"

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

} // namespace kvint::coach
