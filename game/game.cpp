#include "game/game.h"
#include "game/utf8.h"

#include <utility>

namespace kvint {
namespace {

// Cuts a UTF-8 text after kInputLimit characters, never inside one.
std::string limitInput(std::string text) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!isContinuation(static_cast<unsigned char>(text[i])) && ++characters > kInputLimit) {
            text.resize(i);
            break;
        }
    }
    return text;
}

} // namespace

Game::Game(Platform& platform, std::filesystem::path assets, Language lang)
    : platform_(platform), assets_(std::move(assets)), lang_(lang) {
    Form_Load();
}

void Game::message(std::string_view text, std::string_view caption) {
    platform_.messageBox(text, Buttons::ok, caption);
}

std::string Game::input(std::string_view prompt) {
    return limitInput(platform_.inputBox(prompt, kAppTitle));
}

void Game::sound(Sound s, Wait wait) {
    platform_.playSound(soundFile(s), wait);
}

} // namespace kvint
