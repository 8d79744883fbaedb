#include "game/categories.h"
#include "game/game.h"
#include "game/palette.h"
#include "game/panels.h"

#include <string>

namespace kvint {

void Board::writeCategory(bool leftColumn, std::size_t k, u8 points) {
    (leftColumn ? st_.mayscore : st_.compscore)(k) = points;
    const Ctl nameLabel = leftColumn ? mayName(k) : compName(k);
    const Ctl pointsLabel = leftColumn ? may(k) : comp(k);
    controls_.setText(pointsLabel, std::to_string(points));
    controls_.setBack(nameLabel, palette::written);
    controls_.setBack(pointsLabel, palette::written);
}

// Sorts the dice, asks for the category and writes it when the dice allow.
std::optional<std::size_t> Game::recordEntry(bool leftColumn) {
    board_.sortDescending();
    const std::string typed = board_.input(board_.text(Msg::entryPrompt));
    const auto k = selectCategory(typed);
    const auto wrongName = [this] {
        board_.message(board_.text(Msg::wrongCategory), board_.text(Msg::warningCaption));
    };
    if (!k) {
        wrongName();
        return std::nullopt;
    }
    const Outlook o = entryOutlook(st_, {leftColumn, *k});
    if (o.outcome == Outlook::Outcome::written) {
        board_.message(board_.text(Msg::alreadyWritten), board_.text(Msg::messageCaption));
        return std::nullopt;
    }
    if (o.outcome == Outlook::Outcome::notShown) {
        wrongName();
        return std::nullopt;
    }
    board_.writeCategory(leftColumn, *k, o.points);
    return k;
}

void Game::handToPlayerTwo() {
    st_.turnowner = 2;
    controls_.setText(Ctl::hod, board_.text(Msg::turnOf, {st_.name2}));
    st_.dicelock = 0;
    controls_.hide(panel::playerOne);
    controls_.show(panel::playerTwo);
    controls_.show(panel::dice);
    brosok();
}

void Game::handToPlayerOne() {
    st_.turnowner = 1;
    controls_.setText(Ctl::hod, board_.text(Msg::turnOf, {st_.name1}));
    controls_.hide(panel::playerTwo);
    controls_.show(panel::playerOne);
    controls_.show(panel::dice);
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
    opponent_->broskom();
    // The focus follows player one's own entry, whatever the computer wrote.
    if (*written == 1) {
        board_.setFocus(Ctl::Text1);
    }
}

// "отмена": player one passes.
void Game::Command3_Click() {
    st_.dicelock = 1;
    if (st_.gamemode == 1) {
        handToPlayerTwo();
        return;
    }
    controls_.hide(panel::playerOne);
    controls_.show(panel::computer);
    controls_.show(panel::dice);
    opponent_->broskom();
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
