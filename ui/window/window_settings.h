#pragma once

#include <QSettings>

namespace kvint::ui {

// What the window remembers between runs: the zoom step in percent, the
// window's place and whether sounds are heard. Kept apart from the statistics, which live in the
// application's data folder.
inline constexpr auto kZoomKey = "window/zoom";
inline constexpr auto kPlaceKey = "window/geometry";

QSettings windowSettings();

} // namespace kvint::ui
