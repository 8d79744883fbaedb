#include "ui/modern/die_svg.h"

#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <array>

namespace kvint::ui {
namespace {

// The die in the SVG's own units: a square of 100 with rounded corners.
constexpr double kUnits = 100.0;
constexpr double kInset = 4.0;
constexpr double kCorner = 16.0;
constexpr double kPipRadius = 9.5;
constexpr std::array kPipLines = {27.0, 50.0, 73.0};
// Room round the die: the hint's outline and the lift of a marked die.
constexpr double kMargin = 0.12;
constexpr double kLift = 0.1;

constexpr std::array<PipPlace, 1> kOne = {{{1, 1}}};
constexpr std::array<PipPlace, 2> kTwo = {{{0, 0}, {2, 2}}};
constexpr std::array<PipPlace, 3> kThree = {{{0, 0}, {1, 1}, {2, 2}}};
constexpr std::array<PipPlace, 4> kFour = {{{0, 0}, {2, 0}, {0, 2}, {2, 2}}};
constexpr std::array<PipPlace, 5> kFive = {{{0, 0}, {2, 0}, {1, 1}, {0, 2}, {2, 2}}};
constexpr std::array<PipPlace, 6> kSix = {{{0, 0}, {0, 1}, {0, 2}, {2, 0}, {2, 1}, {2, 2}}};

QByteArray colourName(const QColor& c) {
    return c.name(QColor::HexRgb).toLatin1();
}

QByteArray number(double v) {
    return QByteArray::number(v, 'f', 1);
}

} // namespace

std::span<const PipPlace> pipsOf(int face) {
    switch (face) {
    case 1:
        return kOne;
    case 2:
        return kTwo;
    case 3:
        return kThree;
    case 4:
        return kFour;
    case 5:
        return kFive;
    case 6:
        return kSix;
    default:
        return {};
    }
}

QRectF dieSquare(QSizeF box) {
    const double side = std::min(box.width(), box.height()) * (1.0 - 2 * kMargin);
    return {(box.width() - side) / 2, (box.height() - side) / 2, side, side};
}

QRectF liftedSquare(const QRectF& square) {
    return square.translated(0, -square.height() * kLift);
}

QPointF pipCentre(const QRectF& square, PipPlace place) {
    const double scale = square.width() / kUnits;
    return square.topLeft() + QPointF(kPipLines.at(static_cast<std::size_t>(place.column)),
                                      kPipLines.at(static_cast<std::size_t>(place.row))) *
                                  scale;
}

QByteArray dieSvg(int face, bool hinted, const DieColours& colours) {
    const double side = kUnits - 2 * kInset;
    QByteArray svg = "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 100 100'>";
    svg += "<rect x='" + number(kInset) + "' y='" + number(kInset) + "' width='" + number(side) +
           "' height='" + number(side) + "' rx='" + number(kCorner) + "' fill='" +
           colourName(colours.body) + "' stroke='" +
           colourName(hinted ? colours.hint : colours.edge) + "' stroke-width='" +
           (hinted ? "7" : "2.5") + "'/>";
    for (const PipPlace p : pipsOf(face)) {
        svg += "<circle cx='" + number(kPipLines.at(static_cast<std::size_t>(p.column))) +
               "' cy='" + number(kPipLines.at(static_cast<std::size_t>(p.row))) + "' r='" +
               number(kPipRadius) + "' fill='" + colourName(colours.pips) + "'/>";
    }
    svg += "</svg>";
    return svg;
}

QPixmap renderDie(const QByteArray& svg, int side, qreal pixelRatio) {
    const int pixels = std::max(1, qRound(side * pixelRatio));
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(svg);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, pixels, pixels));
    painter.end();
    pixmap.setDevicePixelRatio(pixelRatio);
    return pixmap;
}

} // namespace kvint::ui
