#include "ui/access/accessibility.h"
#include "ui/access/spoken_texts.h"
#include "ui/window/control_look.h"
#include "ui/window/form1.h"
#include "ui/window/widget_slots.h"

#include <utility>

namespace kvint::ui {

void Form1::sync() {
    if (game_.ended()) {
        return;
    }
    for (auto c = at(kFirstWidget); c <= at(kLastWidget); ++c) {
        mirrorControl(static_cast<Ctl>(c));
    }
    for (auto c = at(Ctl::igra); c <= at(Ctl::pravila); ++c) {
        mirrorAction(static_cast<Ctl>(c));
    }
    markWhoseTurn();
    mirrorWindows();
    if (modernOn()) {
        refreshModern();
    }
    applyFocus();
    followCoach();
}

// While a game is under way the header name of the side that plays now is
// bold. Against the computer that side is the computer only while it plays,
// inside the click that hands it the dice. Once a column is full nobody plays.
void Form1::markWhoseTurn() {
    const Phase phase = game_.phase();
    setBold(widgets_[at(Ctl::Label8)], phase == Phase::leftSide);
    setBold(widgets_[at(Ctl::Label32)], phase == Phase::rightSide || phase == Phase::computer);
}

void Form1::mirrorControl(Ctl c) {
    const Control& model = game_.controls()[c];
    QWidget* w = widgets_[at(c)];
    const Kind kind = kindOf(c);
    setText(w, kind, model.text);
    if (auto* button = qobject_cast<QAbstractButton*>(w); button && model.value >= 0) {
        button->setChecked(model.value == 1);
    }
    if (shownBack_[at(c)] != model.back) {
        setBackground(w, kind, model.back);
        shownBack_[at(c)] = model.back;
    }
    if (w->isHidden() == model.visible) {
        w->setVisible(model.visible);
    }
    describe(*w, spokenName(game_, c), withHintMark(c, spokenDescription(game_, c)));
    if (const auto cell = cellOf(c)) {
        if (const QString preview = previewText(game_, *cell); w->toolTip() != preview) {
            w->setToolTip(preview);
        }
    }
}

void Form1::mirrorAction(Ctl c) {
    const Control& model = game_.controls()[c];
    QAction* action = actions_[at(c)];
    action->setText(literal(model.text));
    // A hidden menu's items go quiet with it: Qt takes no shortcut of an
    // action whose menu is off the menu bar.
    action->setVisible(model.visible);
}

void Form1::applyFocus() {
    if (!pendingFocus_) {
        return;
    }
    if (modernOn()) {
        modern_->focusControl(*std::exchange(pendingFocus_, std::nullopt));
        return;
    }
    if (QWidget* w = widget(*pendingFocus_); w && w->isVisible()) {
        w->setFocus(Qt::OtherFocusReason);
    }
    pendingFocus_.reset();
}

} // namespace kvint::ui
