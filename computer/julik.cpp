#include "game/game.h"

namespace kvint {

// A new roll only when the person has taken the big combinations. With no
// category of its own left free the computer could never write, and the new
// rolls would never end.
void Computer::julik() {
    if (columnComplete(st_.compscore)) {
        return;
    }
    const bool twoTriples = st_.mayscore(cat::dva_tri) != 0;
    const bool threePairs = st_.mayscore(cat::tri_dva) != 0;
    const bool straight = st_.mayscore(cat::strit) != 0;
    const bool care = st_.mayscore(cat::care) != 0;
    if ((twoTriples && threePairs) || (straight && care && (twoTriples || threePairs))) {
        broskom1();
    }
}

} // namespace kvint
