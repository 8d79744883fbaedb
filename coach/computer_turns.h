#pragma once

#include "coach/headless.h"
#include "computer/computer.h"
#include "game/game.h"
#include "game/state.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace kvint::coach {

// Bit k-1 set: category k is free.
using FreeSet = unsigned;
constexpr FreeSet kAllFree = (1U << kCategories) - 1;

FreeSet freeSet(const Column& column);

// What the computer's chain reads besides its own free categories: its
// strength and, for "Профи" alone, whether the person's column lets a turn
// that finds nothing roll again (julik).
constexpr std::size_t kComputerCases = 4; // Мастер, Новичок, Профи, Профи rolling again
std::size_t computerCase(u8 level, const Column& left);

// One computer turn: category k (1..11) written with `points`, or k = 0 when
// it wrote nothing.
struct TurnOutcome {
    std::size_t k = 0;
    int points = 0;
};

// The computer's own chain on a scratch game, one turn at a time from any
// free set, the person's column never complete.
class ScratchComputer {
  public:
    explicit ScratchComputer(std::uint64_t seed);
    TurnOutcome play(std::size_t computerCase, FreeSet free);

  private:
    HeadlessPlatform platform_;
    Game game_;
    Computer computer_;
};

// The turns the table (computer_turns.inc, made by tools/make-computer-turns)
// tallied from each case and free set: kTurnSamples turns each; those that
// wrote nothing are what the tallies leave.
constexpr int kTurnSamples = 4000;
struct TurnTally {
    TurnOutcome outcome;
    int count = 0;
};
// The table holds, for each case and then each free set 1..kAllFree in
// order, the number of its tallies and then the tallies packed one a word.
std::span<const std::uint32_t> turnTable();
constexpr std::uint32_t pack(const TurnTally& t) {
    return static_cast<std::uint32_t>(t.outcome.k) << 26U |
           static_cast<std::uint32_t>(t.outcome.points) << 20U |
           static_cast<std::uint32_t>(t.count);
}
constexpr TurnTally unpack(std::uint32_t word) {
    return {{word >> 26U, static_cast<int>((word >> 20U) & 63U)},
            static_cast<int>(word & 0xFFFFFU)};
}

} // namespace kvint::coach
