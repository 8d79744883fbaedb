#include "game/game.h"
#include "game/panels.h"

#include <algorithm>

namespace kvint {

Phase phaseOf(const State& st, const Controls& controls, bool opponentPlaying) {
    if (controls[Ctl::Frame1].visible) {
        return Phase::setup;
    }
    if (opponentPlaying) {
        return Phase::computer;
    }
    if (columnComplete(st.mayscore) || columnComplete(st.compscore)) {
        return Phase::over;
    }
    return st.gamemode == 1 && st.turnowner == 2 ? Phase::rightSide : Phase::leftSide;
}

Phase Game::phase() const {
    return phaseOf(st_, controls_, opponent_ != nullptr && opponent_->playing());
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
