#pragma once

#include <QFontMetrics>
#include <QString>

namespace kvint::ui {

// Breaks a caption at blanks so each line fits `width` pixels, the way the
// game's tall option buttons and check boxes show their two-word captions.
// A word wider than the width keeps a line of its own.
QString wrapCaption(const QString& text, const QFontMetrics& metrics, int width);

} // namespace kvint::ui
