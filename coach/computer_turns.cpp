#include "coach/computer_turns.h"

namespace kvint::coach {
namespace {

// Any written category holds this; the chain asks only whether it is free.
constexpr u8 kWritten = 1;

} // namespace

FreeSet freeSet(const Column& column) {
    FreeSet set = 0;
    for (std::size_t k = 1; k <= kCategories; ++k) {
        if (column(k) == 0) {
            set |= 1U << (k - 1);
        }
    }
    return set;
}

std::size_t computerCase(u8 level, const Column& left) {
    if (level == strength::novice) {
        return 1;
    }
    if (level != strength::pro) {
        return 0;
    }
    return Computer::julikRollsAgain(left) ? 3 : 2;
}

ScratchComputer::ScratchComputer(std::uint64_t seed)
    : platform_(seed), game_(platform_, {}), computer_(game_.board()) {}

TurnOutcome ScratchComputer::play(std::size_t computerCase, FreeSet free) {
    State& st = game_.state();
    st.level = computerCase == 1   ? strength::novice
               : computerCase >= 2 ? strength::pro
                                   : strength::master;
    st.mayscore = {};
    if (computerCase == 3) {
        st.mayscore(cat::dva_tri) = kWritten;
        st.mayscore(cat::tri_dva) = kWritten;
    }
    for (std::size_t k = 1; k <= kCategories; ++k) {
        st.compscore(k) = ((free >> (k - 1)) & 1U) != 0 ? 0 : kWritten;
    }
    computer_.broskom();
    for (std::size_t k = 1; k <= kCategories; ++k) {
        if (((free >> (k - 1)) & 1U) != 0 && st.compscore(k) != 0) {
            return {k, st.compscore(k)};
        }
    }
    return {};
}

} // namespace kvint::coach
