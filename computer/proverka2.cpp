#include "game/game.h"

namespace kvint {

// Twos: kept from two and so always written once kept.
void Computer::proverka2() {
    if (!faceCheck(2, 4, 4)) {
        proverka1();
    }
}

} // namespace kvint
