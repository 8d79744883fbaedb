#include "game/board.h"
#include "game/utf8.h"

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

void Board::message(std::string_view text, std::string_view caption) {
    platform_.messageBox(text, Buttons::ok, caption);
}

bool Board::ask(std::string_view question, std::string_view caption) {
    return platform_.messageBox(question, Buttons::yesNo, caption);
}

std::string Board::input(std::string_view prompt) {
    return limitInput(platform_.inputBox(prompt, kAppTitle));
}

void Board::sound(Sound s, Wait wait) {
    platform_.playSound(soundFile(s), wait);
}

} // namespace kvint
