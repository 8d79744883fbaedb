#include "game/categories.h"
#include "ui/window/form1.h"

#include <algorithm>

namespace kvint::ui {

void Form1::route(Ctl c) {
    if (c == Ctl::Command7 || c == Ctl::novaya) {
        showNote({}); // a new game leaves the last one's note behind
    }
    // Only a decision taken in an event of its own is the player's: one set
    // off inside another's box or wait is reviewed with none.
    const bool outermost = handling_ == 0;
    const auto point = decisionPoint_;
    std::array<bool, kDice> inAir{};
    for (std::size_t i = 0; i < kDice; ++i) {
        inAir.at(i) = game_.dieView(i + 1) == DieView::inAir;
    }
    handle([this, c] {
        if (kindOf(c) == Kind::window) {
            game_.closeWindow(c);
        } else {
            game_.click(c);
        }
    });
    if (outermost) {
        reviewChoice(c, point, inAir);
    }
}

void Form1::routeKey(Ctl die, std::uint16_t code) {
    handle([this, die, code] { game_.keyPress(die, code); });
}

// A double click on a free category of the side that is writing presses
// its entry button with the category's selector as the typed answer: the
// game runs its own handler, with every sound, message and refusal.
void Form1::writeByDoubleClick(const QObject* cellLabel) {
    const auto* found = std::find(widgets_.begin(), widgets_.end(), cellLabel);
    if (const auto cell = cellOf(static_cast<Ctl>(found - widgets_.begin()))) {
        writeCell(*cell);
    }
}

void Form1::writeCell(Cell cell) {
    if (game_.ended()) {
        return;
    }
    const auto outlook = game_.outlook(cell);
    if (outlook && outlook->button) {
        platform_.answerFirstInput(std::string(selectorText(cell.k)),
                                   [this, button = *outlook->button] { route(button); });
    }
}

// The table's rows are the categories of the side that writes now.
void Form1::writeFromTable(std::size_t k) {
    if (const auto left = game_.writingColumn()) {
        writeCell({*left, k});
    }
}

} // namespace kvint::ui
