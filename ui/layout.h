#pragma once

#include "game/controls.h"

#include <QRect>
#include <QSize>

#include <optional>

namespace kvint::ui {

// Window geometry is designed in twips; at 96 dots per inch 15 twips make a
// pixel.
QRect twips(int left, int top, int width, int height);

QSize form1ClientSize();
QSize form2ClientSize();

// Where a control of either window sits in its window's client area; nothing
// for windows, menus and menu items.
std::optional<QRect> placeOf(Ctl c);

} // namespace kvint::ui
