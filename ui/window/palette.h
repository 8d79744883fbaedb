#pragma once

#include <QColor>

namespace kvint::ui {

// The game's 16 colours by index 0..15; anything else gives an invalid colour.
QColor paletteColour(int index);

} // namespace kvint::ui
