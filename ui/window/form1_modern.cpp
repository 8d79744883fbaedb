// The modern view beside the classic surface: the switch between them, what
// it shows beyond the model, and the computer's throws held on view.
#include "ui/common/qstring_conv.h"
#include "ui/modern/score_table.h"
#include "ui/window/form1.h"
#include "ui/window/hint_texts.h"
#include "ui/window/menu_bar_note.h"

#include <QMenuBar>

namespace kvint::ui {

// The surface put away stays a hidden child of the window, so either can
// come back with its widgets as they were; nothing of the game is touched.
void Form1::showModernView(bool on) {
    settings_.modern = on;
    if (computerRollsItem_ != nullptr) {
        computerRollsItem_->setEnabled(on);
    }
    QWidget* shown = on ? static_cast<QWidget*>(modern_) : surface_;
    if (centralWidget() != shown) {
        QWidget* away = takeCentralWidget();
        away->setParent(this);
        away->hide();
        setCentralWidget(shown);
        shown->show();
    }
    if (on) {
        refreshModern(); // measured with the captions it will show
    }
    setZoom(viewZoom());
    sync();
}

// The score table, which an answer typed is about, in the modern view; the
// classic window places its boxes as it always has.
QRect Form1::keptInSight() const {
    if (!modernOn() || !isVisible()) {
        return {};
    }
    const ScoreTable& table = modern_->table();
    return {table.mapToGlobal(QPoint(0, 0)), table.size()};
}

void Form1::switchComputerRolls(bool on) {
    settings_.computerRolls = on;
    writeSettings(settings_);
}

void Form1::refreshModern() {
    ModernExtras extras;
    extras.hintedDice = hintMarks_;
    extras.hintedRow = hintRow_;
    extras.status = modernStatus();
    extras.thrown = thrown_;
    modern_->refresh(game_, extras);
}

// The coach's hint, while on view, says the chance of winning in place of
// the game's own words.
QString Form1::modernStatus() const {
    if (hintOnView_ && !coachNote_.isEmpty()) {
        return coachNote_;
    }
    return toQString(statusLine(game_, trace_));
}

bool Form1::computerThrew(const std::array<Face, kDice>& dice, int roll) {
    trace_.computerPlayed = true;
    trace_.computerThrow = roll;
    if (!modernOn() || !settings_.computerRolls) {
        return false;
    }
    thrown_ = dice;
    sync();
    return true;
}

} // namespace kvint::ui
