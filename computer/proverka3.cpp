#include "game/game.h"

namespace kvint {

// Threes: kept from two, written from three.
void Computer::proverka3() {
    if (!faceCheck(3, 6, 9)) {
        proverka2();
    }
}

} // namespace kvint
