#pragma once

#include <QByteArray>
#include <QScreen>

namespace kvint::ui {

// The screen on which a window may take the place QWidget::saveGeometry
// gave as `place`: one that holds its whole frame and enough of its title
// bar, of `titleHeight`, for the player to take hold of it. Null when there
// is none, as when the window was last shown on a screen no longer there,
// or when `place` is no such blob.
QScreen* screenForPlace(const QByteArray& place, int titleHeight);

} // namespace kvint::ui
