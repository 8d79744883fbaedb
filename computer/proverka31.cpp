#include "game/game.h"

namespace kvint {

// Threes, first together with sixes towards "2/3", then alone. The second
// step keeps only threes, so sixes kept by the first are thrown again.
void Game::proverka31() {
    countFaces({3, 6});
    if (st_.facesum(6) != 0 && st_.facesum(3) != 0 && st_.compscore(cat::dva_tri) == 0) {
        keepRerollTwice({3, 6});
        countFaces({6, 3});
        const u8 threes = st_.facesum(3);
        const u8 sixes = st_.facesum(6);
        if (threes == 9 && sixes == 18 && st_.compscore(cat::dva_tri) == 0) {
            entry(cat::dva_tri, 27, Sound::wow);
            clearHighCounts();
            return;
        }
        if (sixes >= 24 && st_.compscore(cat::care) == 0) {
            entry(cat::care, 24, Sound::wow);
            clearHighCounts();
            return;
        }
        if (threes >= 9 && st_.compscore(3) == 0) {
            entry(3, threes, Sound::ye);
            clearHighCounts();
            return;
        }
    }
    if (st_.compscore(3) == 0 && st_.facesum(3) >= 3) {
        keepRerollTwice({3});
        countFaces({3});
        if (st_.compscore(3) == 0 && st_.facesum(3) >= 9) {
            entry(3, st_.facesum(3), Sound::ye);
            clearHighCounts();
            return;
        }
    }
    proverka654();
}

} // namespace kvint
