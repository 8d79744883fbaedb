#include "game/game.h"

namespace kvint {

// Fours: kept from two, written from four.
void Computer::proverka4() {
    if (!faceCheck(4, 8, 16)) {
        proverka3();
    }
}

} // namespace kvint
