#include "game/game.h"
#include "game/panels.h"

#include <cmath>
#include <string>
#include <utility>

namespace kvint {

// One face: r*10-2 in single precision, rounded ties-to-even, drawn again
// until it lands on 1..6. The build keeps the product and the difference as
// two separate roundings (no fused multiply-add).
Face Game::drawFace() {
    for (;;) {
        const float scaled = platform_.random() * 10.0F;
        const float shifted = scaled - 2.0F;
        const long face = std::lrint(shifted);
        if (face >= 1 && face <= 6) {
            return static_cast<Face>(face);
        }
    }
}

void Game::showDice() {
    for (std::size_t i = 1; i <= kDice; ++i) {
        ui_.setText(textBox(i), std::to_string(st_.kubik(i)));
    }
}

void Game::sortDescending() {
    for (std::size_t i = 1; i <= kDice - 1; ++i) {
        for (std::size_t j = i + 1; j <= kDice; ++j) {
            if (st_.kubik(i) < st_.kubik(j)) {
                std::swap(st_.kubik(i), st_.kubik(j));
            }
        }
    }
}

void Game::sortAscending() {
    for (std::size_t i = 1; i <= kDice - 1; ++i) {
        for (std::size_t j = i + 1; j <= kDice; ++j) {
            if (st_.kubik(j) < st_.kubik(i)) {
                std::swap(st_.kubik(i), st_.kubik(j));
            }
        }
    }
}

void Game::brosok() {
    sound(Sound::dice05, Wait::none);
    if (humanRollJudgement()) {
        return;
    }
    cls();
    st_.brosnum = 1;
    platform_.reseed();
    for (std::size_t i = 1; i <= kDice; ++i) {
        rerollDie(i);
    }
    cls();
    showDice();
}

// The new face is drawn at once; the hidden box stands for a die in the air
// until "перебросить" shows it again.
void Game::markDie(std::size_t i) {
    sound(Sound::holding);
    st_.rerollcount = saturatingInc(st_.rerollcount);
    ui_.hide(textBox(i));
    rerollDie(i);
    ui_.setText(textBox(i), std::to_string(st_.kubik(i)));
}

void Game::Text_Click(std::size_t i) {
    if (st_.dicelock == 1) {
        return;
    }
    if (st_.brosnum == 3) {
        sound(Sound::sv);
        return;
    }
    markDie(i);
}

void Game::Text_KeyPress(std::size_t i, std::uint16_t code) {
    constexpr std::uint16_t enter = 13;
    if (st_.dicelock == 1) {
        return;
    }
    if (code == enter) {
        if (st_.brosnum == 3) {
            sound(Sound::sv);
            return;
        }
        markDie(i);
    }
    ui_.setText(textBox(i), std::to_string(st_.kubik(i)));
}

void Game::rerollSound() {
    static constexpr std::array<Sound, 6> files = {
        Sound::dice01, Sound::dice02, Sound::dice03, Sound::dice04, Sound::dice05, Sound::dice05,
    };
    if (st_.rerollcount < 1 || st_.rerollcount > files.size()) {
        return;
    }
    sound(files[st_.rerollcount - 1]);
    st_.rerollcount = 0;
}

void Game::Command1_Click() {
    rerollSound();
    st_.brosnum = saturatingInc(st_.brosnum);
    if (st_.brosnum == 3) {
        ui_.hide(Ctl::Command1);
        ui_.show(panel::dice);
        return;
    }
    bool noneMarked = true;
    for (std::size_t i = 1; i <= kDice; ++i) {
        noneMarked = noneMarked && ui_[textBox(i)].visible;
    }
    if (noneMarked) {
        sound(Sound::sv);
        message(text(Msg::noDieMarked), text(Msg::rerollWarningCaption));
        --st_.brosnum;
    }
    ui_.show(panel::dice);
    setFocus(Ctl::Text1);
}

void Game::Command4_Click() {
    st_.dicelock = 0;
    if (rightJudgement()) {
        return;
    }
    ui_.hide(panel::computer);
    ui_.show(panel::playerOne);
    cls();
    brosok();
}

} // namespace kvint
