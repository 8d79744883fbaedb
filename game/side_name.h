#pragma once

#include "game/game.h"

#include <string>

namespace kvint {

// A side as the window names it in words: the name typed for it, else "Вы"
// or "Компьютер" against the computer and the player's number in a game of
// two. The computer has no name to type.
std::string sideName(const Game& game, bool left);

} // namespace kvint
