#include "game/categories.h"
#include "game/game.h"
#include "game/palette.h"
#include "game/panels.h"

#include <string>

namespace kvint {
void Game::writeCategory(bool leftColumn, std::size_t k, u8 points) {
    (leftColumn ? st_.mayscore : st_.compscore)(k) = points;
    const Ctl nameLabel = leftColumn ? mayName(k) : compName(k);
    const Ctl pointsLabel = leftColumn ? may(k) : comp(k);
    ui_.setText(pointsLabel, std::to_string(points));
    ui_.setBack(nameLabel, palette::written);
    ui_.setBack(pointsLabel, palette::written);
}

// Sorts the dice, asks for the category and writes it when the dice allow.
// The written check comes before any look at the dice. A face entry of 0
// points is written like any other and leaves the category free.
std::optional<std::size_t> Game::recordEntry(bool leftColumn) {
    sortDescending();
    const std::string typed = input(text(Msg::entryPrompt));
    const auto k = selectCategory(typed);
    const auto wrongName = [this] { message(text(Msg::wrongCategory), text(Msg::warningCaption)); };
    if (!k) {
        wrongName();
        return std::nullopt;
    }
    if ((leftColumn ? st_.mayscore : st_.compscore)(*k) != 0) {
        message(text(Msg::alreadyWritten), text(Msg::messageCaption));
        return std::nullopt;
    }
    const auto points = categoryPoints(*k, st_.kubik);
    if (!points) {
        wrongName();
        return std::nullopt;
    }
    writeCategory(leftColumn, *k, *points);
    return k;
}

void Game::handToPlayerTwo() {
    st_.turnowner = 2;
    ui_.setText(Ctl::hod, text(Msg::turnOf, {st_.name2}));
    st_.dicelock = 0;
    ui_.hide(panel::playerOne);
    ui_.show(panel::playerTwo);
    ui_.show(panel::dice);
    brosok();
}

void Game::handToPlayerOne() {
    st_.turnowner = 1;
    ui_.setText(Ctl::hod, text(Msg::turnOf, {st_.name1}));
    ui_.hide(panel::playerTwo);
    ui_.show(panel::playerOne);
    ui_.show(panel::dice);
    brosok();
}

// "записать". Like the second panel it first lands the dice marked since the
// last roll, so their count does not leak into the next turn's rattle.
void Game::Command2_Click() {
    rerollSound();
    st_.dicelock = 1;
    const auto written = recordEntry(true);
    if (!written) {
        return;
    }
    if (st_.gamemode == 1) {
        handToPlayerTwo();
        return;
    }
    computer_.broskom();
    // The focus follows player one's own entry, whatever the computer wrote.
    if (*written == 1) {
        setFocus(Ctl::Text1);
    }
}

// "отмена": player one passes.
void Game::Command3_Click() {
    st_.dicelock = 1;
    if (st_.gamemode == 1) {
        handToPlayerTwo();
        return;
    }
    ui_.hide(panel::playerOne);
    ui_.show(panel::computer);
    ui_.show(panel::dice);
    computer_.broskom();
}

// "Записать": player two's entry.
void Game::Command5_Click() {
    rerollSound();
    if (!recordEntry(false)) {
        return;
    }
    st_.dicelock = 0;
    handToPlayerOne();
}

// "Отмена": player two passes.
void Game::Command6_Click() {
    handToPlayerOne();
}

} // namespace kvint
