#pragma once

#include <QFont>

namespace kvint::ui {

// The dice are drawn in "MS Sans Serif" 24 pt where the system has it, else
// in a sans font that carries Cyrillic.
QFont diceFont();
// The font of every other control of the game's windows.
QFont formFont();

} // namespace kvint::ui
