#pragma once

// What the game answers whoever shows it: where the game stands, what a die
// may be said to show, and what an entry into a cell would do.

#include "game/controls.h"
#include "game/state.h"

#include <cstddef>
#include <optional>

namespace kvint {

// One category of one column of the score sheet.
struct Cell {
    bool left = true;  // player one's column
    std::size_t k = 1; // category 1..11
};

// The category a label of the score sheet shows, by its name or its points.
std::optional<Cell> cellOf(Ctl c);

// What an entry into a cell would do with the dice as they lie. Dice marked
// for a re-roll are in the air: their new faces are not on view, so no
// outlook gives them away.
struct Outlook {
    enum class Outcome : unsigned char { points, notShown, written, diceInAir };
    Outcome outcome = Outcome::points;
    u8 points = 0; // what would be written, or what is written already
    // The button that writes the cell with its category typed in; nothing
    // for a category already written.
    std::optional<Ctl> button;
};

// The rule of an entry, dice in the air aside: a written category refuses
// before the dice are looked at; otherwise the dice, sorted as an entry sorts
// them, give the points or do not show the category. A face no die shows
// gives 0 points, which are written and leave the category free.
Outlook entryOutlook(const State& st, Cell cell);

// Where the game stands, as its state and controls together tell.
enum class Phase : unsigned char {
    setup,     // before "Вход": the choice of mode and strength is on view
    leftSide,  // the person, or player one, rolls or writes
    rightSide, // player two rolls or writes
    computer,  // the computer plays its turn
    over,      // a column is full: every roll only repeats the end
};

// The phase that a state and its controls show, with the opponent at its
// turn or not.
Phase phaseOf(const State& st, const Controls& controls, bool opponentPlaying);

// A game has begun and not yet ended.
constexpr bool inProgress(Phase p) {
    return p != Phase::setup && p != Phase::over;
}

// Whether a game is still owed something worth keeping: a turn under way, or
// a full column whose end the next roll has still to judge and count.
constexpr bool stillToPlay(Phase p, bool endReported) {
    return inProgress(p) || (p == Phase::over && !endReported);
}

// What a screen reader may tell of one die.
enum class DieView : unsigned char {
    shown, // its face is on view
    inAir, // marked for a re-roll during a human turn: its new face is hidden
    away,  // off the table: no human turn is on
};

} // namespace kvint
