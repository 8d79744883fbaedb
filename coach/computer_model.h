#pragma once

#include "coach/computer_turns.h"
#include "game/state.h"

#include <array>
#include <cstddef>
#include <span>
#include <vector>

namespace kvint::coach {

// How the computer fills its column. Its chain reads nothing but its own
// free categories, its strength and the one julik condition on the person's
// column (computerCase), so its turns form a Markov chain on its free set:
// from each free set a turn writes one category with some points, or
// nothing. The chances of each outcome are the table's, tallied from the
// chain itself (computer_turns.h); from them, over the subsets, the chance
// that the column is full within t turns and the points written by then.
// Where it approximates: the person's column is taken as it stands, though a
// later entry into "2/3", "3/2", "strit" or "care" may change the case.
class ComputerModel {
  public:
    // Turns are followed this far; a column still not full then counts as
    // taking this long.
    static constexpr std::size_t kHorizon = 64;

    struct Outcome {
        std::size_t k = 0; // category written, 1..11
        int points = 0;
        float p = 0.0F;
    };

    ComputerModel();

    // Expected turns until the computer's free categories are all written.
    [[nodiscard]] float turns(u8 level, const Column& left, FreeSet free) const;
    // The chance that they are all written within `turns` turns.
    [[nodiscard]] float fullWithin(u8 level, const Column& left, FreeSet free,
                                   std::size_t turns) const;
    // The turns within which its free categories are all written with the
    // chance `sure`, between whole turns by a straight line.
    [[nodiscard]] float turnsFor(u8 level, const Column& left, FreeSet free, float sure) const;
    // Mean points it writes into the free categories within `turns` turns.
    [[nodiscard]] float pointsWithin(u8 level, const Column& left, FreeSet free, float turns) const;
    // What one turn from `free` writes; the chance left over writes nothing.
    [[nodiscard]] std::span<const Outcome> outcomes(u8 level, const Column& left,
                                                    FreeSet free) const;

  private:
    struct Case {
        std::vector<Outcome> outcomes;
        std::vector<std::size_t> start; // by free set, into outcomes
        std::vector<float> full;        // [turns][free set]
        std::vector<float> points;      // [turns][free set]
    };
    static Case caseOf(std::span<const std::uint32_t>& table);
    static void chain(Case& c);
    [[nodiscard]] static std::size_t at(std::size_t turns, FreeSet free) {
        return turns * (kAllFree + 1) + free;
    }

    std::array<Case, kComputerCases> cases_;
};

} // namespace kvint::coach
