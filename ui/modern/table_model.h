#pragma once

#include "ui/modern/score_table.h"

namespace kvint {
class Game;
}

namespace kvint::ui {

// The score table's model of the game as it stands, in the game's language:
// the names, what is written, the side to move and, for its free
// categories, what a write would score now. The hinted row is the owner's
// to add.
ScoreModel tableModel(const Game& game);

} // namespace kvint::ui
