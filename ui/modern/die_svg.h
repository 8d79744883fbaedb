#pragma once

#include <QByteArray>
#include <QColor>
#include <QPixmap>
#include <QPointF>
#include <QRectF>
#include <QSize>

#include <span>

namespace kvint::ui {

// The colours of one die, all taken from the palette of the widget that
// draws it.
struct DieColours {
    QColor body;
    QColor pips;
    QColor edge;
    QColor hint; // the outline of a die the hint would re-roll

    friend bool operator==(const DieColours&, const DieColours&) = default;
};

// The places a pip may take on a die, on a grid of three by three: column
// and row, each 0..2.
struct PipPlace {
    int column = 0;
    int row = 0;
};

// The pips of a face 1..6; none for any other number.
[[nodiscard]] std::span<const PipPlace> pipsOf(int face);

// The square a die takes in a box of the given size: centred, with a margin
// for the outline and the lift of a marked die.
[[nodiscard]] QRectF dieSquare(QSizeF box);

// Where a marked die floats: above its square, by a tenth of its side.
[[nodiscard]] QRectF liftedSquare(const QRectF& square);

// The centre of a pip place on a die drawn in the square.
[[nodiscard]] QPointF pipCentre(const QRectF& square, PipPlace place);

// The SVG of a die showing a face 1..6, or a blank die for 0.
[[nodiscard]] QByteArray dieSvg(int face, bool hinted, const DieColours& colours);

// The die drawn at `side` logical pixels and the given pixel ratio, so it is
// crisp on any screen and at any zoom.
[[nodiscard]] QPixmap renderDie(const QByteArray& svg, int side, qreal pixelRatio);

} // namespace kvint::ui
