#pragma once

#include "ui/modern/dice_view.h"

namespace kvint {
class Game;
}

namespace kvint::ui {

// The dice view's model of the game as it stands: the faces on view, the
// dice marked for a re-roll, the roll of the human turn. The hint marks are
// the owner's to add.
DiceModel diceModel(const Game& game);

} // namespace kvint::ui
