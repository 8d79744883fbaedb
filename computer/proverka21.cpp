#include "game/game.h"

namespace kvint {

// The second chance for twos, reached with the category free only when fewer
// than two twos were showing: kept from one, written from three.
void Computer::proverka21() {
    if (!faceCheck(2, 2, 6)) {
        proverka31();
    }
}

} // namespace kvint
