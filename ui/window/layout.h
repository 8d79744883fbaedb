#pragma once

#include "game/controls.h"

#include <QRect>
#include <QSize>

#include <optional>

namespace kvint::ui {

// Window geometry is designed in twips (1/1440 inch); everything here is in
// twips, and the zoom turns it into pixels.

QSize form1ClientSize();
QSize form2ClientSize();

// Where a control of either window sits in its window's client area; nothing
// for windows, menus and menu items.
std::optional<QRect> placeOf(Ctl c);

} // namespace kvint::ui
