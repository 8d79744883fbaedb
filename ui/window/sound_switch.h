#pragma once

class QMenu;
class QString;

namespace kvint::ui {

class QtPlatform;

// Adds the check item "Звук" (`caption`) to `menu` and plays or silences the game's
// sounds by it. It is on unless the user turned it off, in this run or an
// earlier one.
void addSoundSwitch(QMenu& menu, const QString& caption, QtPlatform& platform);

} // namespace kvint::ui
