#include "ui/modern/dice_view.h"

#include "game/messages.h"
#include "ui/common/qstring_conv.h"
#include "ui/modern/die_button.h"

#include <QEvent>
#include <QLabel>
#include <QVariantAnimation>

#include <algorithm>
#include <string>
#include <utility>

namespace kvint::ui {
namespace {

constexpr int kTumbleMs = 220;
constexpr int kDieAt100 = 72; // the side of a die asked for at 100 %
constexpr double kRollLineScale = 1.25;

// The arrangement that gives the dice the largest side in the room: six in
// a row, two rows of three or three rows of two.
struct Grid {
    int columns = 6;
    int rows = 1;
    int side = 0;
};

Grid bestGrid(QSize room) {
    Grid best;
    for (const Grid g : {Grid{6, 1}, Grid{3, 2}, Grid{2, 3}}) {
        const int side = std::min(room.width() / g.columns, room.height() / g.rows);
        if (side > best.side) {
            best = {g.columns, g.rows, side};
        }
    }
    return best;
}

} // namespace

DiceView::DiceView(QWidget* parent)
    : QWidget(parent), tumble_(std::make_unique<QVariantAnimation>()) {
    for (std::size_t i = 0; i < kDice; ++i) {
        auto* die = new DieButton(i + 1, this);
        connect(die, &QAbstractButton::clicked, this, [this, i] { emit dieClicked(i + 1); });
        dice_.at(i) = die;
    }
    rollLine_ = new QLabel(this);
    rollLine_->setAlignment(Qt::AlignCenter);
    fitRollLine();
    tumble_->setDuration(kTumbleMs);
    tumble_->setStartValue(0.0);
    tumble_->setEndValue(1.0);
    tumble_->setEasingCurve(QEasingCurve::OutCubic);
    connect(tumble_.get(), &QVariantAnimation::valueChanged, this, [this](const QVariant& v) {
        for (std::size_t i = 0; i < kDice; ++i) {
            if (tumbling_.at(i)) {
                dice_.at(i)->setTumble(v.toDouble());
            }
        }
    });
    connect(tumble_.get(), &QVariantAnimation::finished, this, [this] { stopTumble(); });
    showModel({});
}

DiceView::~DiceView() = default;

void DiceView::setModel(const DiceModel& model) {
    const DiceModel before = std::exchange(model_, model);
    showModel(before);
}

void DiceView::setAnimated(bool animated) {
    animated_ = animated;
    if (!animated) {
        tumble_->stop();
        stopTumble();
    }
}

bool DiceView::animating() const {
    return tumble_->state() == QAbstractAnimation::Running;
}

void DiceView::setZoom(int percent) {
    zoom_ = std::max(percent, 1);
    updateGeometry();
}

void DiceView::setBesideTable(bool beside) {
    besideTable_ = beside;
    updateGeometry();
}

QSize DiceView::sizeHint() const {
    const int side = kDieAt100 * zoom_ / 100;
    if (besideTable_) {
        return {side / 2 * 3, side / 2 * 2 + lineHeight()};
    }
    return {side * 6, side + lineHeight()};
}

QSize DiceView::minimumSizeHint() const {
    const int side = kDieAt100 / 3;
    return {side * 6, side + lineHeight()};
}

// A die shown before keeps its face while it is marked: the player sees
// which die is in the air, though not its new face.
void DiceView::showModel(const DiceModel& before) {
    std::array<bool, kDice> changed{};
    for (std::size_t i = 0; i < kDice; ++i) {
        const DieLook& look = model_.dice.at(i);
        const DieLook& was = before.dice.at(i);
        if (look.place == DieLook::Place::shown) {
            lastFaces_.at(i) = look.face;
            changed.at(i) = was.place != DieLook::Place::shown || was.face != look.face;
        } else if (look.place == DieLook::Place::away) {
            lastFaces_.at(i) = 0;
        }
        const int face = look.place == DieLook::Place::away ? 0 : lastFaces_.at(i);
        dice_.at(i)->setLook(look, face, model_.lang);
    }
    rollLine_->setText(model_.roll > 0
                           ? textOf(model_.lang, Msg::rollOfThree, {std::to_string(model_.roll)})
                           : QString());
    startTumble(changed);
}

void DiceView::startTumble(const std::array<bool, kDice>& changed) {
    if (!animated_ || std::ranges::none_of(changed, [](bool c) { return c; })) {
        return;
    }
    tumble_->stop();
    stopTumble();
    tumbling_ = changed;
    tumble_->start();
}

void DiceView::stopTumble() {
    for (std::size_t i = 0; i < kDice; ++i) {
        if (std::exchange(tumbling_.at(i), false)) {
            dice_.at(i)->setTumble(1.0);
        }
    }
}

int DiceView::lineHeight() const {
    return rollLine_->sizeHint().height();
}

void DiceView::resizeEvent(QResizeEvent* /*event*/) {
    placeDice();
}

void DiceView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        fitRollLine();
        updateGeometry();
        placeDice();
    }
}

// The roll line follows the font, not the dice, so the room asked for it is
// the room it takes and it is never clipped, however the dice grow.
void DiceView::fitRollLine() {
    QFont line = font();
    if (line.pixelSize() > 0) {
        line.setPixelSize(qRound(line.pixelSize() * kRollLineScale));
    } else {
        line.setPointSizeF(line.pointSizeF() * kRollLineScale);
    }
    rollLine_->setFont(line);
}

// The dice take the room the roll line leaves; the two stand together,
// centred.
void DiceView::placeDice() {
    const int lineH = lineHeight();
    const QSize room(width(), std::max(0, height() - lineH));
    const Grid grid = bestGrid(room);
    const int left = (width() - grid.side * grid.columns) / 2;
    const int top = (room.height() - grid.side * grid.rows) / 2;
    const int lineTop = top + grid.side * grid.rows;
    for (std::size_t i = 0; i < kDice; ++i) {
        const int column = static_cast<int>(i) % grid.columns;
        const int row = static_cast<int>(i) / grid.columns;
        dice_.at(i)->setGeometry(left + column * grid.side, top + row * grid.side, grid.side,
                                 grid.side);
    }
    rollLine_->setGeometry(0, lineTop, width(), lineH);
}

} // namespace kvint::ui
