#pragma once

#include "game/state.h"

#include <array>
#include <cstdint>
#include <vector>

namespace kvint::coach {

// Bit k-1 set: category k is free.
using FreeSet = unsigned;
constexpr FreeSet kAllFree = (1U << kCategories) - 1;

FreeSet freeSet(const Column& column);

// How fast the computer fills its column, learnt by letting its own chain
// play on a scratch game: for each strength and each state of the person's
// "2/3", "3/2", "strit" and "care" (its new rolls read them), the chance per
// turn that each free category is written and its mean points. Its race is
// then the expected number of turns to fill a set of free categories when
// each turn writes at most one of them at those chances, scaled for each
// number of free categories to the turns the scratch games took.
class ComputerModel {
  public:
    explicit ComputerModel(int gamesPerCase = 60);

    // Expected turns until the computer's free categories are all written.
    [[nodiscard]] float turns(u8 level, const Column& left, FreeSet free) const;
    // Mean points it writes into the free categories within `turns` turns.
    [[nodiscard]] float pointsWithin(u8 level, const Column& left, FreeSet free, float turns) const;

    struct Tally; // what the scratch games showed

  private:
    static constexpr std::size_t kLevels = 3;
    static constexpr std::size_t kFlags = 16;
    struct Case {
        std::array<float, kCategories> points{};
        std::array<float, kCategories> missed{}; // chance a turn leaves k free
        std::vector<float> turns;                // by free set
    };
    [[nodiscard]] const Case& caseOf(u8 level, const Column& left) const;
    static Case caseOf(const Tally& tally);

    std::vector<Case> cases_; // kLevels * kFlags
};

} // namespace kvint::coach
