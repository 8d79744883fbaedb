#include "ui/modern/modern_view.h"

#include "game/game.h"
#include "ui/common/qstring_conv.h"
#include "ui/modern/dice_model.h"
#include "ui/modern/dice_view.h"
#include "ui/modern/score_table.h"
#include "ui/modern/table_model.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kvint::ui {
namespace {

constexpr std::size_t slot(Ctl c) {
    return static_cast<std::size_t>(c);
}

// A caption as typed: an ampersand is no shortcut mark.
QString shownText(const std::string& text) {
    return toQString(text).replace(u'&', QStringLiteral("&&"));
}

// The dice of a throw held on view, each on the table with its face.
void showThrow(DiceModel& model, const std::array<Face, kDice>& faces) {
    for (std::size_t i = 0; i < kDice; ++i) {
        model.dice.at(i) = DieLook{DieLook::Place::shown, faces.at(i), false};
    }
    model.roll = 0;
}

} // namespace

ModernView::ModernView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("modernView"));
    auto* column = new QVBoxLayout(this);
    buildChoice();
    column->addWidget(choice_);
    table_ = new ScoreTable(this);
    column->addWidget(table_, 1);
    dice_ = new DiceView(this);
    column->addWidget(dice_);
    buildButtons();
    column->addWidget(turnRow_);
    status_ = new QLabel(this);
    status_->setWordWrap(true);
    status_->setTextFormat(Qt::PlainText); // the players' names as typed
    status_->setObjectName(QStringLiteral("statusLine"));
    column->addWidget(status_);
    connect(dice_, &DiceView::dieClicked, this,
            [this](std::size_t i) { emit controlClicked(textBox(i)); });
    connect(table_, &ScoreTable::categoryClicked, this, &ModernView::categoryClicked);
}

void ModernView::buildChoice() {
    choice_ = new QGroupBox(this);
    auto* row = new QHBoxLayout(choice_);
    for (Ctl c : kChoices) {
        QAbstractButton* b = nullptr;
        if (kindOf(c) == Kind::option) {
            auto* option = new QRadioButton(choice_);
            option->setAutoExclusive(false); // the game selects the options itself
            b = option;
        } else if (kindOf(c) == Kind::checkBox) {
            b = new QCheckBox(choice_);
        } else {
            b = new QPushButton(choice_);
        }
        row->addWidget(b);
        connect(b, &QAbstractButton::clicked, this, [this, c] { emit controlClicked(c); });
        buttons_.at(slot(c)) = b;
    }
    row->addStretch(); // the choices keep to the left at any width
}

void ModernView::buildButtons() {
    turnRow_ = new QWidget(this);
    auto* row = new QHBoxLayout(turnRow_);
    row->setContentsMargins(0, 0, 0, 0);
    for (Ctl c : kTurnButtons) {
        auto* b = new QPushButton(turnRow_);
        b->setAutoDefault(true); // Enter and Return press it, as Space does
        row->addWidget(b);
        connect(b, &QAbstractButton::clicked, this, [this, c] { emit controlClicked(c); });
        buttons_.at(slot(c)) = b;
    }
}

QAbstractButton* ModernView::button(Ctl c) const {
    return buttons_.at(slot(c));
}

void ModernView::refresh(const Game& game, const ModernExtras& extras) {
    DiceModel dice = diceModel(game);
    if (extras.thrown) {
        showThrow(dice, *extras.thrown);
    }
    for (std::size_t i = 0; i < kDice; ++i) {
        dice.dice.at(i).hinted = extras.hintedDice.at(i);
    }
    dice_->setModel(dice);
    ScoreModel table = tableModel(game);
    table.hintedRow = extras.hintedRow;
    table_->setModel(table);
    mirrorButtons(game);
    if (status_->text() != extras.status) {
        status_->setText(extras.status);
        status_->setAccessibleDescription(extras.status);
    }
    status_->setAccessibleName(textOf(game.language(), Msg::spokenStatusLine));
}

// Each button as its control in the model: caption, visibility and tick.
// The choice stands while the game's own choice panel does.
void ModernView::mirrorButtons(const Game& game) {
    const Controls& model = game.controls();
    choice_->setTitle(shownText(model[Ctl::Frame1].text));
    choice_->setVisible(model[Ctl::Frame1].visible);
    for (std::size_t c = 0; c < kControlCount; ++c) {
        QAbstractButton* b = buttons_.at(c);
        if (b == nullptr) {
            continue;
        }
        const Control& control = model[static_cast<Ctl>(c)];
        b->setText(shownText(control.text));
        b->setAccessibleName(toQString(control.text).trimmed());
        if (control.value >= 0) {
            b->setCheckable(true);
            b->setChecked(control.value == 1);
        }
        if (b->isHidden() == control.visible) {
            b->setVisible(control.visible);
        }
    }
}

void ModernView::setZoom(int percent) {
    zoom_ = percent;
    dice_->setZoom(percent);
    table_->setZoom(percent);
    updateGeometry();
}

void ModernView::focusControl(Ctl c) {
    if (QAbstractButton* b = c < Ctl::Form2 ? button(c) : nullptr; b && b->isVisible()) {
        b->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (c >= Ctl::Text1 && c <= Ctl::Text6 && dice_->isVisible()) {
        dice_->setFocus(Qt::OtherFocusReason);
    }
}

// Room for the table's eleven rows and the dice at the zoom step.
QSize ModernView::sizeHint() const {
    constexpr int width = 520;
    constexpr int height = 600;
    return {width * zoom_ / 100, height * zoom_ / 100};
}

} // namespace kvint::ui
