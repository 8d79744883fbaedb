#pragma once

#include <QIcon>

namespace kvint::ui {

// The program's icon: the desktop theme's where it has one, else the one
// built into the program. The built-in image is read only when something
// asks for its pixels; a window system that shows no icon never does, and
// decoding it would cost a tenth of the program's start.
QIcon appIcon();

} // namespace kvint::ui
