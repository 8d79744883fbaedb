#include "game/game.h"

namespace kvint {

// Fives: six of them go to a combination while one is free, four or more to
// the face.
void Game::proverka5() {
    countFaces({5});
    const bool anyFree = st_.compscore(5) == 0 || st_.compscore(cat::dva_tri) == 0 ||
                         st_.compscore(cat::tri_dva) == 0;
    if (st_.facesum(5) >= 10 && anyFree) {
        keepRerollTwice({5});
    }
    countFaces({5});
    const u8 fives = st_.facesum(5);
    if (fives == 30 && st_.compscore(cat::dva_tri) == 0) {
        entry(cat::dva_tri, 30, Sound::wow);
    } else if (fives == 30 && st_.compscore(cat::tri_dva) == 0) {
        entry(cat::tri_dva, 30, Sound::wow);
    } else if (fives >= 20 && st_.compscore(5) == 0) {
        entry(5, fives, Sound::ye);
    } else {
        proverka4();
        return;
    }
    clearHighCounts();
}

} // namespace kvint
