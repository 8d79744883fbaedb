#include "coach/solo.h"

#include <algorithm>
#include <cmath>

namespace kvint::coach {

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
