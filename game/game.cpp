#include "game/game.h"
#include "game/snapshot.h"

#include <utility>

namespace kvint {

Game::Game(Platform& platform, std::filesystem::path assets, Language lang)
    : assets_(std::move(assets)), lang_(lang), board_(platform, lang_, st_, controls_) {
    Form_Load();
}

bool Game::restore(const Snapshot& snapshot) {
    if (ended_ || snapshot.language != lang_) {
        return false;
    }
    st_ = snapshot.state;
    controls_ = snapshot.controls;
    board_.resumeReported(snapshot.endReported);
    return true;
}

void Game::endProgram() {
    ended_ = true;
    board_.endProgram();
}

} // namespace kvint
