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
// QWidget::saveGeometry opens with a magic number, its version, that
// rectangle, the normal geometry, the screen's number and whether the
// window filled its screen. Read before the place is restored, for the
// restore already moves a place it finds off its screen. A window that
// filled its screen, whose frame may reach past it, is judged by the place
// it goes back to.
std::optional<QRect> savedFrame(const QByteArray& place) {
    constexpr quint32 kMagic = 0x1D9D0CB;
    QDataStream in(place);
    in.setVersion(QDataStream::Qt_4_0);
    quint32 magic = 0;
    quint16 major = 0;
    quint16 minor = 0;
    QRect frame;
    QRect normal;
    qint32 screenNumber = 0;
    quint8 maximized = 0;
    quint8 fullScreen = 0;
    in >> magic >> major >> minor >> frame >> normal >> screenNumber >> maximized >> fullScreen;
    if (in.status() != QDataStream::Ok || magic != kMagic) {
        return std::nullopt;
    }
    const QRect judged = maximized != 0 || fullScreen != 0 ? normal : frame;
    return judged.isValid() ? std::optional(judged) : std::nullopt;
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
