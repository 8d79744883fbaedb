#pragma once

#include <QString>
#include <QStringList>

namespace kvint::ui {

// The folder that holds the rules and the sounds: beside the program, as in
// the build tree, or ../share/kvint from it, as in an installed prefix. The
// first one that holds every file wins; when neither does, the one missing
// fewer files, beside the program on a tie. Nothing is ever written there.
QString assetsFolder(const QString& programFolder);

// The files the game reads that `folder` lacks.
QStringList missingAssets(const QString& folder);

} // namespace kvint::ui
