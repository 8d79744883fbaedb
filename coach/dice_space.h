#pragma once

#include "game/state.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace kvint::coach {

// How many dice show each face 1..6 (index 0 is face 1).
using Counts = std::array<u8, 6>;

// Every multiset of at most six dice: the 462 rolls of all six and the keeps
// a re-roll may leave on the table. Order does not matter to any rule, so the
// turn is solved over these rather than over the 46,656 ordered rolls.
class DiceSpace {
  public:
    static constexpr std::size_t kSets = 924; // multisets of size 0..6 over six faces

    // Where a keep's re-rolled dice can land, and how likely each is.
    struct Outcome {
        std::uint16_t roll; // the six dice after the re-roll
        float p;
    };

    DiceSpace();

    [[nodiscard]] std::size_t index(const Counts& c) const;
    [[nodiscard]] const Counts& counts(std::size_t set) const { return counts_[set]; }
    [[nodiscard]] std::size_t size(std::size_t set) const { return sizes_[set]; }
    // Sets ordered by size, so every set comes after the sets one die smaller.
    [[nodiscard]] std::span<const std::uint16_t> bySize() const { return bySize_; }
    // The sets of all six dice.
    [[nodiscard]] std::span<const std::uint16_t> rolls() const { return rolls_; }
    [[nodiscard]] std::span<const Outcome> outcomes(std::size_t keep) const;
    // The sets one die smaller, one for each face the set holds.
    [[nodiscard]] std::span<const std::uint16_t> smaller(std::size_t set) const;
    // The six dice highest first, as an entry sorts them.
    [[nodiscard]] const Dice& sorted(std::size_t roll) const { return sorted_[roll]; }

  private:
    std::vector<std::uint16_t> code_; // base-7 code of the counts -> set
    std::vector<Counts> counts_;
    std::vector<std::uint8_t> sizes_;
    std::vector<std::uint16_t> bySize_;
    std::vector<std::uint16_t> rolls_;
    std::vector<Outcome> outcomes_;
    std::vector<std::uint32_t> outcomeStart_; // kSets + 1 offsets
    std::vector<std::uint16_t> smaller_;
    std::vector<std::uint32_t> smallerStart_;
    std::vector<Dice> sorted_;
};

Counts countsOf(const Dice& dice);

} // namespace kvint::coach
