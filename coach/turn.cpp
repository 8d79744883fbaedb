#include "coach/turn.h"

#include "game/categories.h"

#include <algorithm>

namespace kvint::coach {

std::vector<std::uint16_t> properKeeps(const DiceSpace& space, std::size_t roll) {
    const Counts& c = space.counts(roll);
    std::vector<std::uint16_t> keeps;
    Counts k{};
    while (true) {
        if (k != c) {
            keeps.push_back(static_cast<std::uint16_t>(space.index(k)));
        }
        std::size_t f = 0;
        while (f < k.size() && k[f] == c[f]) {
            k[f] = 0;
            ++f;
        }
        if (f == k.size()) {
            return keeps;
        }
        ++k[f];
    }
}

PointsTable::PointsTable(const DiceSpace& space) : pts_(DiceSpace::kSets) {
    for (std::uint16_t roll : space.rolls()) {
        for (std::size_t k = 1; k <= kCategories; ++k) {
            const auto p = categoryPoints(k, space.sorted(roll));
            pts_[roll][k - 1] = p ? static_cast<std::int8_t>(*p) : std::int8_t{-1};
        }
    }
}

} // namespace kvint::coach
