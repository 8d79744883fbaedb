#include "ui/modern/modern_view.h"

#include "game/game.h"
#include "ui/common/qstring_conv.h"
#include "ui/modern/dice_model.h"
#include "ui/modern/dice_view.h"
#include "ui/modern/score_table.h"
#include "ui/modern/table_model.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <vector>

namespace kvint::ui {
namespace {

constexpr std::size_t slot(Ctl c) {
    return static_cast<std::size_t>(c);
}

// The status line keeps room for this many lines, so a longer message does
// not shift the view.
constexpr int kStatusLines = 2;
// The view's grid and the choice's grid have at most this many rows and
// columns, a stretch included.
constexpr int kGridRows = 5;
constexpr int kChoiceColumns = 7;

// Where each choice stands in two rows: the kinds of game with "Вход",
// then the strengths.
constexpr std::array<std::pair<int, int>, 6> kChoiceCells = {
    {{0, 0}, {0, 1}, {1, 0}, {1, 1}, {1, 2}, {0, 2}}};

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
    grid_ = new QGridLayout(this);
    buildChoice();
    table_ = new ScoreTable(this);
    dice_ = new DiceView(this);
    buildButtons();
    status_ = new QLabel(this);
    status_->setWordWrap(true);
    status_->setTextFormat(Qt::PlainText); // the players' names as typed
    status_->setObjectName(QStringLiteral("statusLine"));
    // The others set the width; the message wraps into it.
    status_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    status_->installEventFilter(this);
    arrange(Arrangement::upright);
    keepStatusWhole(false);
    connect(dice_, &DiceView::dieClicked, this,
            [this](std::size_t i) { emit controlClicked(textBox(i)); });
    connect(table_, &ScoreTable::categoryClicked, this, &ModernView::categoryClicked);
}

void ModernView::buildChoice() {
    choice_ = new QGroupBox(this);
    choiceGrid_ = new QGridLayout(choice_);
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
        connect(b, &QAbstractButton::clicked, this, [this, c] { emit controlClicked(c); });
        buttons_.at(slot(c)) = b;
    }
}

// In one row, or in two beside the table, where the room is narrower; a
// stretch after them keeps the choices to the left at any width.
void ModernView::placeChoices(bool oneRow) {
    for (int column = 0; column < kChoiceColumns; ++column) {
        choiceGrid_->setColumnStretch(column, 0);
    }
    for (std::size_t i = 0; i < kChoices.size(); ++i) {
        QAbstractButton* b = button(kChoices.at(i));
        choiceGrid_->removeWidget(b);
        const auto [row, column] = oneRow ? std::pair{0, static_cast<int>(i)} : kChoiceCells.at(i);
        choiceGrid_->addWidget(b, row, column);
    }
    choiceGrid_->setColumnStretch(oneRow ? static_cast<int>(kChoices.size()) : 3, 1);
}

void ModernView::arrange(Arrangement arrangement) {
    arrangement_ = arrangement;
    const bool upright = arrangement == Arrangement::upright;
    for (QWidget* w : std::initializer_list<QWidget*>{choice_, table_, dice_, turnRow_, status_}) {
        grid_->removeWidget(w);
    }
    for (int row = 0; row < kGridRows; ++row) {
        grid_->setRowStretch(row, 0);
    }
    // Beside the table, a wider window widens the dice, not the table.
    grid_->setColumnStretch(1, upright ? 0 : 1);
    placeChoices(upright);
    dice_->setBesideTable(!upright);
    if (upright) {
        grid_->addWidget(choice_, 0, 0);
        grid_->addWidget(table_, 1, 0);
        grid_->addWidget(dice_, 2, 0);
        grid_->addWidget(turnRow_, 3, 0);
        grid_->addWidget(status_, 4, 0);
        grid_->setRowStretch(2, 1); // the dice grow into the room there is
    } else {
        grid_->addWidget(table_, 0, 0, kGridRows - 1, 1, Qt::AlignTop);
        grid_->addWidget(choice_, 0, 1);
        grid_->addWidget(dice_, 1, 1);
        grid_->addWidget(turnRow_, 2, 1);
        grid_->addWidget(status_, 3, 1);
        grid_->setRowStretch(1, 1);
    }
    grid_->invalidate();
}

// The choice comes back, whole, at every new game, so the room is measured
// with it on view, also while it or some of its buttons are away.
QSize ModernView::fitInto(QSize room) {
    keepChoiceRoom(true);
    arrange(Arrangement::upright);
    QSize asked = sizeHint();
    if (asked.width() > room.width() || asked.height() > room.height()) {
        arrange(Arrangement::landscape);
        asked = sizeHint();
    }
    keepChoiceRoom(false);
    return asked;
}

void ModernView::keepChoiceRoom(bool keep) {
    std::vector<QWidget*> choice = {choice_};
    for (Ctl c : kChoices) {
        choice.push_back(button(c));
    }
    for (QWidget* w : choice) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(keep);
        w->setSizePolicy(policy);
    }
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
        keepStatusWhole(true);
    }
    status_->setAccessibleName(textOf(game.language(), Msg::spokenStatusLine));
}

// Each button as its control in the model: caption, visibility and tick.
// The choice stands while the game's own choice panel does.
void ModernView::mirrorButtons(const Game& game) {
    const Controls& model = game.controls();
    // Some styles measure a title a few pixels short of what they draw at
    // large sizes; a space after it keeps its last letter whole.
    choice_->setTitle(shownText(model[Ctl::Frame1].text) + u' ');
    choice_->setAccessibleName(toQString(model[Ctl::Frame1].text).trimmed());
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
    dice_->setZoom(percent);
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

// Two lines at least, more when the message needs them at the width the
// line has: the view then grows rather than cut the message. A new font
// leaves the width to the layout, which the line's next resize follows.
void ModernView::keepStatusWhole(bool atItsWidth) {
    const int lines = kStatusLines * status_->fontMetrics().lineSpacing();
    const int wrapped = atItsWidth ? status_->heightForWidth(status_->width()) : 0;
    status_->setMinimumHeight(std::max(lines, wrapped));
}

void ModernView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        keepStatusWhole(false);
    }
}

bool ModernView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == status_ && event->type() == QEvent::Resize) {
        keepStatusWhole(true);
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kvint::ui
