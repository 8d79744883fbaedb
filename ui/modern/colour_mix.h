#pragma once

#include <QColor>

namespace kvint::ui {

// A colour `share` of the way from a to b (0 gives a, 1 gives b): the
// modern view derives every shade it needs from two palette colours, so it
// follows a light and a dark desktop alike.
inline QColor mix(const QColor& a, const QColor& b, double share) {
    const auto blend = [share](float x, float y) {
        return static_cast<float>(x + (y - x) * share);
    };
    return QColor::fromRgbF(blend(a.redF(), b.redF()), blend(a.greenF(), b.greenF()),
                            blend(a.blueF(), b.blueF()));
}

} // namespace kvint::ui
