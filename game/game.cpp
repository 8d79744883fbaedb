#include "game/game.h"

#include <utility>

namespace kvint {

Game::Game(Platform& platform, std::filesystem::path assets)
    : platform_(platform), assets_(std::move(assets)) {
    Form_Load();
}

void Game::message(std::string_view text, std::string_view caption) {
    platform_.messageBox(text, Buttons::ok, caption);
}

std::string Game::input(std::string_view prompt) { return platform_.inputBox(prompt, kAppTitle); }

void Game::sound(std::string_view file, Wait wait) { platform_.playSound(file, wait); }

} // namespace kvint
