#include "ui/window/previews.h"

#include "game/categories.h"

#include <QMouseEvent>
#include <QWidget>

#include <algorithm>
#include <array>
#include <functional>

namespace kvint::ui {

std::optional<Cell> cellOf(Ctl c) {
    struct Family {
        Ctl first;
        bool left;
    };
    static constexpr std::array<Family, 4> families = {{
        {Ctl::Label10, true},
        {Ctl::may1, true},
        {Ctl::Label21, false},
        {Ctl::comp1, false},
    }};
    for (const Family& f : families) {
        if (c >= f.first && c <= offset(f.first, kCategories - 1)) {
            return Cell{f.left, numberIn(f.first, c)};
        }
    }
    return std::nullopt;
}

std::optional<bool> writingColumn(const Controls& ui) {
    if (ui[Ctl::Command2].visible) {
        return true;
    }
    if (ui[Ctl::Command5].visible) {
        return false;
    }
    return std::nullopt;
}

std::optional<Outlook> outlookOf(const Game& game, Cell cell) {
    const Controls& ui = game.controls();
    if (writingColumn(ui) != cell.left) {
        return std::nullopt;
    }
    const State& st = game.state();
    if (const u8 written = (cell.left ? st.mayscore : st.compscore)(cell.k); written != 0) {
        return Outlook{Outlook::Outcome::written, written};
    }
    for (std::size_t i = 1; i <= kDice; ++i) {
        if (!ui[textBox(i)].visible) {
            return Outlook{Outlook::Outcome::diceInAir};
        }
    }
    // An entry sorts the dice before it looks at them.
    Dice sorted = st.kubik;
    std::sort(sorted.begin(), sorted.end(), std::greater<>());
    if (const auto points = categoryPoints(cell.k, sorted)) {
        return Outlook{Outlook::Outcome::points, *points};
    }
    return Outlook{Outlook::Outcome::notShown};
}

std::optional<Ctl> writeButtonFor(const Game& game, Cell cell) {
    const State& st = game.state();
    if (writingColumn(game.controls()) != cell.left ||
        (cell.left ? st.mayscore : st.compscore)(cell.k) != 0) {
        return std::nullopt;
    }
    return cell.left ? Ctl::Command2 : Ctl::Command5;
}

void DoubleClickWatch::watch(QWidget& w) {
    w.installEventFilter(this);
}

bool DoubleClickWatch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        onDoubleClick_(watched);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kvint::ui
