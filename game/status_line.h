#pragma once

// The modern view's status line: in words, what the last event did and what
// comes next, chosen from the game as it stands and a trace of that event.

#include "game/game.h"
#include "game/state.h"

#include <string>

namespace kvint {

// What the window saw around the last event.
struct EventTrace {
    Column rightBefore;          // the right column as it stood before the event
    bool computerPlayed = false; // the computer threw dice in it
    int computerThrow = 0;       // while a throw of the computer is on view, its number
};

// The trace of an event about to run in `game`.
EventTrace traceBefore(const Game& game);

// The line for the game as it stands after the traced event, in its language.
std::string statusLine(const Game& game, const EventTrace& trace);

} // namespace kvint
