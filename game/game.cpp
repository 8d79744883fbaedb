#include "game/game.h"

#include <utility>

namespace kvint {

Game::Game(Platform& platform, std::filesystem::path assets, Language lang)
    : assets_(std::move(assets)), lang_(lang), board_(platform, lang_, st_, controls_) {
    Form_Load();
}

void Game::endProgram() {
    ended_ = true;
    board_.endProgram();
}

} // namespace kvint
