#pragma once

#include "game/sounds.h"
#include "game/state.h"

#include <cstddef>
#include <initializer_list>
#include <string_view>

namespace kvint {

// One line of a check's table: when `applies`, category k receives v with
// the sound named.
struct Rule {
    bool applies;
    std::size_t k;
    u8 v;
    Sound sound;
};

inline bool compFree(const State& st, std::size_t k) {
    return st.compscore(k) == 0;
}

// Six dice add up to 36 at most.
inline u8 diceSum(const State& st) {
    return static_cast<u8>(diceTotal(st.kubik));
}

} // namespace kvint
