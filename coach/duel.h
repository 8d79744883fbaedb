#pragma once

#include "coach/coach.h"

#include <cstdint>
#include <functional>

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
// The same, telling `asked` every position the coach is asked about.
DuelResult duel(const Coach& coach, u8 level, int games, std::uint64_t seed,
                const std::function<void(const Position&)>& asked);
// Any player in the coach's place, deciding each move of the left side.
using Player = std::function<Decision(const Position&)>;
DuelResult duel(const Player& player, u8 level, int games, std::uint64_t seed);

} // namespace kvint::coach
