#include "computer/computer.h"

namespace kvint {

// Fives: six of them go to a combination while one is free, four or more to
// the face.
bool Computer::proverka5() {
    countFaces({5});
    const bool anyFree =
        compFree(st_, 5) || compFree(st_, cat::dva_tri) || compFree(st_, cat::tri_dva);
    if (st_.facesum(5) >= 10 && anyFree) {
        keepRerollTwice({5});
    }
    countFaces({5});
    const u8 fives = st_.facesum(5);
    if (!enterFirst({
            {fives == 30 && compFree(st_, cat::dva_tri), cat::dva_tri, 30, Sound::wow},
            {fives == 30 && compFree(st_, cat::tri_dva), cat::tri_dva, 30, Sound::wow},
            {fives >= 20 && compFree(st_, 5), 5, fives, Sound::ye},
        })) {
        return false;
    }
    clearHighCounts();
    return true;
}

} // namespace kvint
