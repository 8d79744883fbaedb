#include "computer/computer.h"

namespace kvint {

// "care" and the sixes. The only face check where the novice gives up: after
// chasing sixes without an entry.
bool Computer::proverkacare() {
    countFaces({6});
    const u8 sixes = st_.facesum(6);
    if (enterFirst({
            {sixes == 36 && compFree(st_, cat::dva_tri), cat::dva_tri, 36, Sound::wow},
            {sixes == 36 && compFree(st_, cat::tri_dva), cat::tri_dva, 36, Sound::wow},
        })) {
        clearHighCounts();
        return true;
    }
    if (sixes < 12 || (!compFree(st_, 6) && !compFree(st_, cat::care))) {
        return false;
    }
    keepRerollTwice({6});
    countFaces({6});
    const u8 six = st_.facesum(6);
    // "care" is worth 24 whatever the sixes.
    if (enterFirst({
            {six >= 24 && compFree(st_, 6), 6, six, Sound::ye},
            {six >= 24 && compFree(st_, cat::care), cat::care, 24, Sound::wow},
        }) ||
        kvintFrom29()) {
        clearHighCounts();
        return true;
    }
    return giveUp();
}

} // namespace kvint
