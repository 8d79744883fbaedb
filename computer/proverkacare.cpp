#include "game/game.h"

namespace kvint {

// "care" and the sixes. The only face check where the novice gives up: after
// chasing sixes without an entry.
void Game::proverkacare() {
    countFaces({6});
    const u8 sixes = st_.facesum(6);
    if (sixes == 36 && st_.compscore(cat::dva_tri) == 0) {
        entry(cat::dva_tri, 36, Sound::wow);
        clearHighCounts();
        return;
    }
    if (sixes == 36 && st_.compscore(cat::tri_dva) == 0) {
        entry(cat::tri_dva, 36, Sound::wow);
        clearHighCounts();
        return;
    }
    if (sixes < 12 || (st_.compscore(6) != 0 && st_.compscore(cat::care) != 0)) {
        proverka5();
        return;
    }
    keepRerollTwice({6});
    countFaces({6});
    if (st_.facesum(6) >= 24 && st_.compscore(6) == 0) {
        entry(6, st_.facesum(6), Sound::ye);
        clearHighCounts();
        return;
    }
    if (st_.facesum(6) >= 24 && st_.compscore(cat::care) == 0) {
        entry(cat::care, 24, Sound::wow); // "care" is worth 24 whatever the sixes
        clearHighCounts();
        return;
    }
    if (kvintFrom29()) {
        clearHighCounts();
        return;
    }
    if (giveUp()) {
        return;
    }
    proverka5();
}

} // namespace kvint
