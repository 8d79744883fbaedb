#include "computer/computer.h"

namespace kvint {

// The last check, on the high faces. Each stage recounts only the faces it
// keeps, so the later start conditions read counts that may be stale on
// purpose: fives found by the first stage still start the fives stage after
// the sixes stage has thrown them away.
bool Computer::proverka654() {
    const bool wrote = [this] {
        auto& fs = st_.facesum;
        countFaces({6, 5, 4});
        if (fs(5) != 0 && fs(6) != 0) {
            fs(4) = 0; // fours are not counted again, which keeps the two stages of fours out
            if (twoFaces(5, 6)) {
                return true;
            }
        }
        return (fs(4) != 0 && fs(6) != 0 && twoFaces(4, 6)) ||
               (fs(5) != 0 && fs(4) != 0 && twoFaces(4, 5)) || (fs(6) != 0 && ofAKind(6)) ||
               (fs(5) != 0 && ofAKind(5)) || (fs(4) != 0 && fours()) || kvintLast();
    }();
    if (wrote) {
        clearHighCounts();
    }
    return wrote;
}

// Two faces kept together (lo < hi): three and three, four and two, then the
// faces themselves. Only sixes can make "care".
bool Computer::twoFaces(Face lo, Face hi) {
    keepRerollTwice({lo, hi});
    countFaces({lo, hi});
    const auto kLow = static_cast<std::size_t>(lo);
    const auto kHigh = static_cast<std::size_t>(hi);
    const u8 low = st_.facesum(kLow);
    const u8 high = st_.facesum(kHigh);
    const auto both = static_cast<u8>(low + high);
    const bool fourAndTwo = (low == 2 * lo && high == 4 * hi) || (low == 4 * lo && high == 2 * hi);
    return enterFirst({
        {low == 3 * lo && high == 3 * hi && compFree(st_, cat::dva_tri), cat::dva_tri, both,
         Sound::wow},
        {fourAndTwo && compFree(st_, cat::tri_dva), cat::tri_dva, both, Sound::wow},
        {hi == 6 && high >= 24 && compFree(st_, cat::care), cat::care, 24, Sound::wow},
        {high >= 4 * hi && compFree(st_, kHigh), kHigh, high, Sound::ye},
        {low >= 4 * lo && compFree(st_, kLow), kLow, low, Sound::ye},
    });
}

// Sixes or fives alone: all six dice alike make a combination, four or more
// the face (sixes try "care" first).
bool Computer::ofAKind(Face f) {
    keepRerollTwice({f});
    countFaces({f});
    const auto k = static_cast<std::size_t>(f);
    const u8 n = st_.facesum(k);
    return enterFirst({
        {n == 6 * f && compFree(st_, cat::dva_tri), cat::dva_tri, n, Sound::wow},
        {n == 6 * f && compFree(st_, cat::tri_dva), cat::tri_dva, n, Sound::wow},
        {f == 6 && n >= 24 && compFree(st_, cat::care), cat::care, 24, Sound::wow},
        {n >= 4 * f && compFree(st_, k), k, n, Sound::ye},
    });
}

bool Computer::fours() {
    if (!compFree(st_, 4)) {
        return false;
    }
    keepRerollTwice({4});
    countFaces({4});
    const u8 n = st_.facesum(4);
    return enterFirst({{n >= 16 && compFree(st_, 4), 4, n, Sound::ye}});
}

// Once the first ten categories are written, any total goes to "kvint" - but
// never over an entry already there.
bool Computer::kvintLast() {
    bool onlyKvintLeft = compFree(st_, cat::kvint);
    for (std::size_t k = 1; k < cat::kvint; ++k) {
        onlyKvintLeft = onlyKvintLeft && !compFree(st_, k);
    }
    return enterFirst({{onlyKvintLeft, cat::kvint, diceSum(st_), Sound::ye}});
}

} // namespace kvint
