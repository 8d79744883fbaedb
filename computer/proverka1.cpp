#include "game/game.h"

namespace kvint {

// Ones: a single one is already an entry.
void Computer::proverka1() {
    if (!faceCheck(1, 1, 1)) {
        proverka21();
    }
}

} // namespace kvint
