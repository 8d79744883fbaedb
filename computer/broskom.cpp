#include "game/game.h"

namespace kvint {

void Game::broskom() {
    sound("dice05.wav", Wait::untilEndQuietly);
    broskom1();
}

} // namespace kvint
