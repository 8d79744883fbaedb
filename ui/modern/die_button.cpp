#include "ui/modern/die_button.h"

#include "game/messages.h"
#include "ui/common/qstring_conv.h"
#include "ui/modern/colour_mix.h"

#include <QEvent>
#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <string>

namespace kvint::ui {
namespace {

// A marked die floats above its place, dimmed.
constexpr double kMarkedOpacity = 0.45;
constexpr double kAwayOpacity = 0.18;
constexpr double kEdgeShare = 0.45;   // of the text colour in a die's edge
constexpr double kTumbleTurn = 200.0; // degrees still to turn when a tumble starts

// The pixel ratio of what is painted on: a widget's screen, or an image the
// widget is rendered into.
qreal targetRatio(QPainter& painter, const QWidget& w) {
    if (const QPaintEngine* engine = painter.paintEngine(); engine && engine->paintDevice()) {
        return engine->paintDevice()->devicePixelRatio();
    }
    return w.devicePixelRatioF();
}

// Where a marked die lay: it shows the die is lifted, not gone.
void drawEmptyPlace(QPainter& painter, const QRectF& square, const QColor& colour) {
    const QPen pen(colour, std::max(1.0, square.width() / 40), Qt::DashLine);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const double corner = square.width() * 0.16;
    painter.drawRoundedRect(square.adjusted(4, 4, -4, -4), corner, corner);
    painter.restore();
}

} // namespace

DieButton::DieButton(std::size_t number, QWidget* parent)
    : QAbstractButton(parent), number_(number) {
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setEnabled(false); // off the table until the first model
    describe();
}

// Every sync hands the dice their looks; only a change draws the die anew.
void DieButton::setLook(const DieLook& look, int face, Language lang) {
    if (look == look_ && face == face_ && lang == lang_) {
        return;
    }
    look_ = look;
    face_ = face;
    lang_ = lang;
    setEnabled(look.place != DieLook::Place::away);
    describe();
    svg_.clear();
    update();
}

void DieButton::setTumble(double progress) {
    tumble_ = progress;
    update();
}

QSize DieButton::sizeHint() const {
    const int side = fontMetrics().height() * 4;
    return {side, side};
}

void DieButton::describe() {
    const std::string n = std::to_string(number_);
    QString name;
    switch (look_.place) {
    case DieLook::Place::shown:
        name = textOf(lang_, Msg::spokenDie, {n, std::to_string(look_.face)});
        break;
    case DieLook::Place::marked:
        name = textOf(lang_, Msg::spokenDieMarked, {n});
        break;
    case DieLook::Place::away:
        name = textOf(lang_, Msg::spokenDieAway, {n});
        break;
    }
    const QString description = look_.hinted ? textOf(lang_, Msg::spokenDieHinted) : QString();
    if (accessibleName() != name) {
        setAccessibleName(name);
    }
    if (accessibleDescription() != description) {
        setAccessibleDescription(description);
    }
}

// The edge stands apart from the die and from the ground round it, light
// or dark.
QColor DieButton::edgeColour() const {
    return mix(palette().color(QPalette::Base), palette().color(QPalette::Text), kEdgeShare);
}

DieColours DieButton::colours() const {
    const QPalette& p = palette();
    return {p.color(QPalette::Base), p.color(QPalette::Text), edgeColour(),
            p.color(QPalette::Highlight)};
}

const QPixmap& DieButton::pixmap(int side, qreal pixelRatio) {
    const QSize pixels(qRound(side * pixelRatio), qRound(side * pixelRatio));
    if (svg_.isEmpty()) {
        svg_ = dieSvg(look_.place == DieLook::Place::away ? 0 : face_, look_.hinted, colours());
        pixmap_ = {};
    }
    if (pixmap_.isNull() || pixmap_.size() != pixels) {
        pixmap_ = renderDie(svg_, side, pixelRatio);
    }
    return pixmap_;
}

void DieButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QRectF square = dieSquare(size());
    const int side = qRound(square.width());
    if (side <= 0) {
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (hasFocus()) {
        QPen pen(palette().color(QPalette::Highlight), 1, Qt::DotLine);
        painter.setPen(pen);
        painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
    QPointF at = square.topLeft();
    if (look_.place == DieLook::Place::marked) {
        drawEmptyPlace(painter, square, edgeColour());
        at = liftedSquare(square).topLeft();
        painter.setOpacity(kMarkedOpacity);
    } else if (look_.place == DieLook::Place::away) {
        painter.setOpacity(kAwayOpacity);
    }
    if (tumble_ < 1.0) {
        const QPointF centre = square.center();
        painter.translate(centre);
        painter.rotate((1.0 - tumble_) * kTumbleTurn);
        painter.scale(0.8 + 0.2 * tumble_, 0.8 + 0.2 * tumble_);
        painter.translate(-centre);
    }
    painter.drawPixmap(at, pixmap(side, targetRatio(painter, *this)));
}

void DieButton::changeEvent(QEvent* event) {
    QAbstractButton::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        svg_.clear();
        update();
    }
}

} // namespace kvint::ui
