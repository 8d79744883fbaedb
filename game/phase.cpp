#include "game/game.h"
#include "game/panels.h"

#include <algorithm>

namespace kvint {

Phase Game::phase() const {
    if (controls_[Ctl::Frame1].visible) {
        return Phase::setup;
    }
    if (opponent_ != nullptr && opponent_->playing()) {
        return Phase::computer;
    }
    if (columnComplete(st_.mayscore) || columnComplete(st_.compscore)) {
        return Phase::over;
    }
    return st_.gamemode == 1 && st_.turnowner == 2 ? Phase::rightSide : Phase::leftSide;
}

std::optional<bool> Game::writingColumn() const {
    if (controls_[Ctl::Command2].visible) {
        return true;
    }
    if (controls_[Ctl::Command5].visible) {
        return false;
    }
    return std::nullopt;
}

bool Game::diceInAir() const {
    return std::ranges::any_of(panel::dice, [this](Ctl c) { return !controls_[c].visible; });
}

// During a human turn a die is off the table only while it is marked.
DieView Game::dieView(std::size_t i) const {
    if (controls_[textBox(i)].visible) {
        return DieView::shown;
    }
    return writingColumn() ? DieView::inAir : DieView::away;
}

} // namespace kvint
