#pragma once

#include "coach/coach.h"

#include <cstdint>

namespace kvint::coach {

struct DuelResult {
    int won = 0;
    int drawn = 0;
    int lost = 0;

    friend bool operator==(const DuelResult&, const DuelResult&) = default;
};

// Plays `games` whole games against the computer at `level` through the
// game's own engine, the coach deciding every move of the left side. The
// same seed gives the same games.
DuelResult duel(const Coach& coach, u8 level, int games, std::uint64_t seed);

} // namespace kvint::coach
