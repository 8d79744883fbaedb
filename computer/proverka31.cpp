#include "computer/computer.h"

namespace kvint {

// Threes, first together with sixes towards "2/3", then alone. The second
// step keeps only threes, so sixes kept by the first are thrown again.
bool Computer::proverka31() {
    countFaces({3, 6});
    if (st_.facesum(6) != 0 && st_.facesum(3) != 0 && compFree(st_, cat::dva_tri)) {
        keepRerollTwice({3, 6});
        countFaces({6, 3});
        const u8 threes = st_.facesum(3);
        const u8 sixes = st_.facesum(6);
        if (enterFirst({
                {threes == 9 && sixes == 18 && compFree(st_, cat::dva_tri), cat::dva_tri, 27,
                 Sound::wow},
                {sixes >= 24 && compFree(st_, cat::care), cat::care, 24, Sound::wow},
                {threes >= 9 && compFree(st_, 3), 3, threes, Sound::ye},
            })) {
            clearHighCounts();
            return true;
        }
    }
    if (compFree(st_, 3) && st_.facesum(3) >= 3) {
        keepRerollTwice({3});
        countFaces({3});
        if (compFree(st_, 3) && st_.facesum(3) >= 9) {
            entry(3, st_.facesum(3), Sound::ye);
            clearHighCounts();
            return true;
        }
    }
    return false;
}

} // namespace kvint
