// The About notice and the exit question of the menus.
#include "game/game.h"

namespace kvint {

void Game::oprg_Click() {
    board_.message(board_.text(Msg::aboutText), board_.text(Msg::aboutCaption));
}

void Game::vihod_Click() {
    if (!board_.ask(board_.text(Msg::exitQuestion), board_.text(Msg::warningCaption))) {
        return;
    }
    endProgram();
}

} // namespace kvint
