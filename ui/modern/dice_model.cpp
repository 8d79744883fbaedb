#include "ui/modern/dice_model.h"

#include "game/game.h"

#include <charconv>
#include <string>
#include <system_error>

namespace kvint::ui {
namespace {

// The face a die's box shows, as the classic window shows it; 0 while the
// box is empty (before the first roll).
int shownFace(const Game& game, std::size_t i) {
    const std::string& text = game.controls()[textBox(i)].text;
    int face = 0;
    const auto read = std::from_chars(text.data(), text.data() + text.size(), face);
    if (read.ec != std::errc{} || face < 1 || face > 6) {
        return 0;
    }
    return face;
}

DieLook lookOf(const Game& game, std::size_t i) {
    switch (game.dieView(i)) {
    case DieView::shown:
        return {DieLook::Place::shown, shownFace(game, i), false};
    case DieView::inAir:
        return {DieLook::Place::marked, 0, false};
    case DieView::away:
        return {DieLook::Place::away, 0, false};
    }
    return {};
}

} // namespace

DiceModel diceModel(const Game& game) {
    DiceModel model;
    for (std::size_t i = 1; i <= kDice; ++i) {
        model.dice.at(i - 1) = lookOf(game, i);
    }
    const u8 roll = game.state().brosnum;
    if (game.writingColumn() && roll >= 1 && roll <= 3) {
        model.roll = roll;
    }
    model.lang = game.language();
    return model;
}

} // namespace kvint::ui
