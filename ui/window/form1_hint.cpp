#include "ui/common/qstring_conv.h"
#include "ui/window/form1.h"
#include "ui/window/hint_marks.h"
#include "ui/window/hint_texts.h"
#include "ui/window/menu_bar_note.h"
#include "ui/window/widget_slots.h"

#include <QMenuBar>

#include <algorithm>
#include <utility>

namespace kvint::ui {

// "Подсказка" and "Тренер" belong to the window, not to the game: they sit in
// "Игра" before "Выход" and stay out of the control model.
void Form1::buildCoachItems() {
    QMenu* game = action(Ctl::igra)->menu();
    QAction* exit = action(Ctl::vihod);
    game->insertSeparator(exit);
    hintItem_ = new QAction(textOf(game_.language(), Msg::hintItem), game);
    hintItem_->setShortcut(Qt::Key_F7);
    connect(hintItem_, &QAction::triggered, this, &Form1::askHint);
    trainerItem_ = new QAction(textOf(game_.language(), Msg::trainerItem), game);
    trainerItem_->setCheckable(true);
    trainerItem_->setChecked(settings_.trainer);
    connect(trainerItem_, &QAction::triggered, this, &Form1::switchTrainer);
    game->insertActions(exit, {hintItem_, trainerItem_});
    game->insertSeparator(exit);
    connect(&coach_, &CoachSession::hintReady, this, &Form1::showHint);
    connect(&coach_, &CoachSession::reviewReady, this, &Form1::showReview);
}

std::optional<coach::Position> Form1::decisionPosition() const {
    const Phase phase = game_.phase();
    if (game_.ended() || (phase != Phase::leftSide && phase != Phase::rightSide)) {
        return std::nullopt;
    }
    const bool left = phase == Phase::leftSide;
    const State& st = game_.state();
    if (game_.writingColumn() != left || game_.diceInAir() || st.brosnum < 1 || st.brosnum > 3) {
        return std::nullopt;
    }
    return coach::Position{st.level,   st.gamemode, left ? coach::Side::left : coach::Side::right,
                           st.brosnum, st.mayscore, st.compscore,
                           st.kubik};
}

void Form1::askHint() {
    if (const auto position = decisionPosition()) {
        noteHelp();
        coach_.askHint(*position);
    }
}

// An answer about a position no longer on view is dropped: the player has
// moved on.
void Form1::showHint(const coach::Position& position, const coach::Advice& advice) {
    if (decisionPosition() != position) {
        return;
    }
    hintMarks_ = advice.decision.kind == coach::Decision::Kind::reroll ? advice.decision.reroll
                                                                       : std::array<bool, kDice>{};
    if (advice.decision.kind == coach::Decision::Kind::write) {
        hintRow_ = advice.decision.category;
    }
    for (std::size_t i = 0; i < kDice; ++i) {
        markForHint(*widgets_[at(textBox(i + 1))], hintMarks_.at(i));
        mirrorControl(textBox(i + 1)); // its words for a screen reader
    }
    sayForCoach(hintText(game_, position.side, advice));
    hintOnView_ = true;
    if (modernOn()) {
        refreshModern();
    }
}

void Form1::clearHint() {
    hintRow_.reset();
    if (std::ranges::any_of(hintMarks_, [](bool m) { return m; })) {
        hintMarks_ = {};
        for (std::size_t i = 1; i <= kDice; ++i) {
            markForHint(*widgets_[at(textBox(i))], false);
        }
    }
    if (std::exchange(hintOnView_, false)) {
        sayForCoach({});
    }
}

// The note may have been taken by the game's own notices since: those stay.
void Form1::sayForCoach(const QString& text) {
    const auto* note = menuBar()->findChild<MenuBarNote*>(QString(), Qt::FindDirectChildrenOnly);
    const bool ours = note != nullptr && !coachNote_.isEmpty() && note->wholeText() == coachNote_;
    if (text.isEmpty() && !ours) {
        return;
    }
    coachNote_ = text;
    showNote(text);
}

QString Form1::withHintMark(Ctl c, QString description) const {
    if (c < Ctl::Text1 || c > Ctl::Text6 || !hintMarks_.at(numberIn(Ctl::Text1, c) - 1)) {
        return description;
    }
    const QString mark = textOf(game_.language(), Msg::spokenDieHinted);
    return description.isEmpty() ? mark : description + QStringLiteral(". ") + mark;
}

// The hint is on offer only where it can be asked, and a game begun with
// the trainer on has its help from the start.
void Form1::followCoach() {
    if (hintItem_ == nullptr) {
        return;
    }
    const auto position = decisionPosition();
    hintItem_->setEnabled(position.has_value());
    const Phase phase = game_.phase();
    if (phase == Phase::setup) {
        helped_ = false;
    } else if (settings_.trainer && inProgress(phase)) {
        helped_ = true;
    }
    if (position) {
        decisionPoint_ = position;
    } else if (!game_.diceInAir()) {
        decisionPoint_.reset();
    }
}

} // namespace kvint::ui
