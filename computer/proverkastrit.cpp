#include "computer/computer.h"
#include "game/categories.h"

namespace kvint {
namespace {

// Neighbours with the same face in the ascending dice; `at` gets the lower
// place of the last such pair.
u8 countPairs(const Dice& d, std::size_t& at) {
    u8 pairs = 0;
    for (std::size_t i = 1; i < kDice; ++i) {
        if (d(i) == d(i + 1)) {
            ++pairs;
            at = i;
        }
    }
    return pairs;
}

} // namespace

// Only a single duplicate is worth a throw: with two or more, one die cannot
// make the straight.
bool Computer::proverkastrit() {
    if (!compFree(st_, cat::strit)) {
        return false;
    }
    for (int attempt = 0; attempt < 2; ++attempt) {
        board_.sortAscending();
        std::size_t at = 0;
        st_.pairs = countPairs(st_.kubik, at);
        const bool throws = st_.pairs == 1;
        if (throws) {
            board_.rerollDie(at);
        }
        board_.sortAscending();
        if (throws) {
            thrown();
        }
        if (isStraight(st_.kubik)) {
            entry(cat::strit, 21, Sound::wow);
            return true;
        }
    }
    return false;
}

} // namespace kvint
