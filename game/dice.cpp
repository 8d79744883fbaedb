#include "game/board.h"
#include "game/game.h"
#include "game/panels.h"

#include <cmath>
#include <string>
#include <utility>

namespace kvint {

// One face: r*10-2 in single precision, rounded ties-to-even, drawn again
// until it lands on 1..6. The build keeps the product and the difference as
// two separate roundings (no fused multiply-add).
Face Board::drawFace() {
    for (;;) {
        const float scaled = platform_.random() * 10.0F;
        const float shifted = scaled - 2.0F;
        const long face = std::lrint(shifted);
        if (face >= 1 && face <= 6) {
            return static_cast<Face>(face);
        }
    }
}

void Board::showDie(std::size_t i) {
    controls_.setText(textBox(i), std::to_string(st_.kubik(i)));
}

void Board::showDice() {
    for (std::size_t i = 1; i <= kDice; ++i) {
        showDie(i);
    }
}

void Board::sortDescending() {
    for (std::size_t i = 1; i <= kDice - 1; ++i) {
        for (std::size_t j = i + 1; j <= kDice; ++j) {
            if (st_.kubik(i) < st_.kubik(j)) {
                std::swap(st_.kubik(i), st_.kubik(j));
            }
        }
    }
}

void Board::sortAscending() {
    for (std::size_t i = 1; i <= kDice - 1; ++i) {
        for (std::size_t j = i + 1; j <= kDice; ++j) {
            if (st_.kubik(j) < st_.kubik(i)) {
                std::swap(st_.kubik(i), st_.kubik(j));
            }
        }
    }
}

void Game::brosok() {
    board_.sound(Sound::dice05, Wait::none);
    if (board_.humanRollJudgement()) {
        return;
    }
    board_.cls();
    st_.brosnum = 1;
    board_.reseed();
    for (std::size_t i = 1; i <= kDice; ++i) {
        board_.rerollDie(i);
    }
    board_.cls();
    board_.showDice();
}

// The new face is drawn at once; the hidden box stands for a die in the air
// until "перебросить" shows it again.
void Game::markDie(std::size_t i) {
    board_.sound(Sound::holding);
    st_.rerollcount = saturatingInc(st_.rerollcount);
    controls_.hide(textBox(i));
    board_.rerollDie(i);
    board_.showDie(i);
}

void Game::Text_Click(std::size_t i) {
    if (st_.dicelock == 1) {
        return;
    }
    if (st_.brosnum == 3) {
        board_.sound(Sound::sv);
        return;
    }
    markDie(i);
}

void Game::Text_KeyPress(std::size_t i, std::uint16_t code) {
    if (st_.dicelock == 1) {
        return;
    }
    if (code == kEnterKey) {
        if (st_.brosnum == 3) {
            board_.sound(Sound::sv);
            return;
        }
        markDie(i);
    }
    board_.showDie(i);
}

void Game::rerollSound() {
    static constexpr std::array<Sound, 6> files = {
        Sound::dice01, Sound::dice02, Sound::dice03, Sound::dice04, Sound::dice05, Sound::dice05,
    };
    if (st_.rerollcount < 1 || st_.rerollcount > files.size()) {
        return;
    }
    board_.sound(files[st_.rerollcount - 1]);
    st_.rerollcount = 0;
}

void Game::Command1_Click() {
    rerollSound();
    st_.brosnum = saturatingInc(st_.brosnum);
    if (st_.brosnum == 3) {
        controls_.hide(Ctl::Command1);
        controls_.show(panel::dice);
        return;
    }
    if (!diceInAir()) {
        board_.sound(Sound::sv);
        board_.message(board_.text(Msg::noDieMarked), board_.text(Msg::rerollWarningCaption));
        --st_.brosnum;
    }
    controls_.show(panel::dice);
    board_.setFocus(Ctl::Text1);
}

void Game::Command4_Click() {
    st_.dicelock = 0;
    if (board_.rightJudgement()) {
        return;
    }
    controls_.hide(panel::computer);
    controls_.show(panel::playerOne);
    board_.cls();
    brosok();
}

} // namespace kvint
