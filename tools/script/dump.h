#pragma once

#include "game/game.h"

#include <ostream>

namespace kvint::script {

// The game state, then every control of both windows, one record each.
void dumpGame(const Game& game, std::ostream& out);

} // namespace kvint::script
