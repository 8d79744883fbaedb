#include "ui/zoom/window_place.h"

#include <QDataStream>
#include <QGuiApplication>
#include <QRect>

#include <algorithm>
#include <optional>

namespace kvint::ui {
namespace {

// How much of the title bar must lie on a screen for the player to take
// hold of it.
constexpr int kGrip = 64;

// Where the window's frame stood when its place was saved: the blob of
// QWidget::saveGeometry opens with a magic number, its version and that
// rectangle. Read before the place is restored, for the restore already
// moves a place it finds off its screen.
std::optional<QRect> savedFrame(const QByteArray& place) {
    constexpr quint32 kMagic = 0x1D9D0CB;
    QDataStream in(place);
    in.setVersion(QDataStream::Qt_4_0);
    quint32 magic = 0;
    quint16 major = 0;
    quint16 minor = 0;
    QRect frame;
    in >> magic >> major >> minor >> frame;
    if (in.status() != QDataStream::Ok || magic != kMagic || !frame.isValid()) {
        return std::nullopt;
    }
    return frame;
}

// The screen that holds the whole frame and enough of its title bar, of
// this height, for the player to take hold of it; null when there is none,
// as when the window was last shown on a screen no longer there.
QScreen* screenHolding(const QRect& frame, int titleHeight) {
    const QRect title(frame.topLeft(), QSize(frame.width(), titleHeight));
    for (QScreen* s : QGuiApplication::screens()) {
        const QRect available = s->availableGeometry();
        const QRect reached = available.intersected(title);
        if (reached.height() == title.height() &&
            reached.width() >= std::min(kGrip, title.width()) &&
            frame.width() <= available.width() && frame.height() <= available.height()) {
            return s;
        }
    }
    return nullptr;
}

} // namespace

QScreen* screenForPlace(const QByteArray& place, int titleHeight) {
    const std::optional<QRect> frame = savedFrame(place);
    return frame ? screenHolding(*frame, titleHeight) : nullptr;
}

} // namespace kvint::ui
