#pragma once

#include "coach/computer_model.h"

#include <cstdint>
#include <vector>

namespace kvint::coach {

// The non-empty subsets of `mask`, fewest categories first: an order in which
// every set comes after the sets a turn can lead it to.
std::vector<FreeSet> subsetsBySize(FreeSet mask);

// The computer's column at "Новичок" as a chain of states between its turns,
// each state a free set or a class of free sets: from each, a turn writes
// some points and leads to another state or completes the column, or writes
// nothing and stays. States are numbered so that a turn always leads to a
// lower number: solving them in order finds every successor solved.
struct ComputerChain {
    static constexpr std::uint32_t kFull = UINT32_MAX; // the column is complete
    struct Step {
        std::uint32_t next = kFull;
        int points = 0;
        float p = 0.0F;
    };
    std::vector<std::vector<Step>> steps; // by state; the chance left over stays
    std::vector<std::uint32_t> stateOf;   // by free set 1..kAllFree, within the chain

    [[nodiscard]] std::size_t states() const { return steps.size(); }
    [[nodiscard]] float stay(std::uint32_t state) const;

    // Each free set within `mask` its own state: the chain as it is.
    static ComputerChain exact(const ComputerModel& computer, FreeSet mask);
    // Free sets of up to kExactUpTo categories, and the whole column, as they
    // are; larger ones folded by their number of free categories into
    // kClasses classes by the turns the computer expects to need. A class
    // goes on as its sets do, each weighed by the chance that the computer's
    // column passes through it from the start.
    static constexpr int kExactUpTo = 2;
    static constexpr std::size_t kClasses = 4;
    static ComputerChain folded(const ComputerModel& computer);
};

} // namespace kvint::coach
