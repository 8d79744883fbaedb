// Procedures still being written; each moves to its own file when done.
#include "game/game.h"

namespace kvint {

void Game::proverkacare() {}
void Game::proverka5() {}
void Game::proverka4() {}
void Game::proverka3() {}
void Game::proverka2() {}
void Game::proverka1() {}
void Game::proverka21() {}
void Game::proverka31() {}
void Game::proverka654() {}

} // namespace kvint
