#include "game/game.h"

namespace kvint {

void Game::broskom() {
    sound(Sound::dice05, Wait::untilEndQuietly);
    broskom1();
}

} // namespace kvint
