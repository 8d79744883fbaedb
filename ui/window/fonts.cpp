#include "ui/window/fonts.h"

#include <QFontDatabase>

namespace kvint::ui {
namespace {

// The fonts of the system do not change under a running game, and the
// question is dear: it is asked once.
bool haveOriginalFace() {
    static const bool have = QFontDatabase::hasFamily("MS Sans Serif");
    return have;
}

QFont sansFont(int pointSize) {
    QFont font(haveOriginalFace() ? "MS Sans Serif" : "DejaVu Sans", pointSize, QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace

QFont diceFont() {
    return sansFont(24);
}

QFont formFont() {
    QFont font = sansFont(8);
    if (!haveOriginalFace()) {
        // The layout was drawn for a narrow 8-point face; the fallback is
        // wider, so it is narrowed to keep captions inside their boxes.
        font.setStretch(QFont::Condensed);
        font.setPixelSize(11);
    }
    return font;
}

} // namespace kvint::ui
