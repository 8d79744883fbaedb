#pragma once

#include <QWidget>

#include <functional>

namespace kvint::ui {

// Calls `then` once, as `window` is painted for the first time: from within
// that paint, before the window's contents are drawn and put on screen.
// Work that should wait until the window has appeared is queued from there.
void onFirstPaint(QWidget& window, std::function<void()> then);

} // namespace kvint::ui
