#include "game/game.h"

namespace kvint {

void Computer::broskom() {
    game_.sound(Sound::dice05, Wait::untilEndQuietly);
    broskom1();
}

} // namespace kvint
