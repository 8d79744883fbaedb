#pragma once

#include "game/controls.h"
#include "game/languages.h"
#include "game/platform.h"
#include "game/rules_text.h"
#include "game/state.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kvint {

class Game;

// A game as it stands between two events, whole: what decides what happens
// next and what is on view. The computer keeps nothing of its own between
// events (its turn runs within one handler, so it is never at its roll then),
// and the folder of the files beside the program belongs to the run, not the
// game.
struct Snapshot {
    Language language = Language::ru; // every caption and message came in it
    State state;
    Controls controls;
    bool endReported = false; // this game's result went to the platform already

    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

// A control's text is at most this long, the rules box's aside: the longest
// caption holds a name of kInputLimit characters of four bytes each.
inline constexpr std::size_t kControlTextLimit = 4096;
// The rules box holds at most kRulesLimit bytes of the file, each of which
// takes up to three bytes of UTF-8, and a note.
inline constexpr std::size_t kRulesTextLimit = 3 * kRulesLimit + 4096;
// An exported game is never longer: every text escaped takes at most twice
// its bytes, and the rest of a line is short.
inline constexpr std::size_t kSnapshotLimit =
    2 * kRulesTextLimit + kControlCount * (2 * kControlTextLimit + 64) + std::size_t{64} * 1024;

Snapshot snapshotOf(const Game& game);

// Line-based text: a first line naming the format and its version, one line
// a field of the state, one a control, and a last line that says the record
// is whole.
std::string exportSnapshot(const Snapshot& snapshot);
std::string exportGame(const Game& game);

// Every value lies in the range a game can hold, every text is UTF-8 and
// within its bound.
bool withinBounds(const Snapshot& snapshot);

// The game the text holds, or nothing when it is damaged in any way: another
// format or version, a field missing, repeated, unknown or out of its order,
// a value out of range, a text that is not UTF-8, anything after the end.
std::optional<Snapshot> parseSnapshot(std::string_view text);

// The game had begun and its end was not yet judged when it was taken.
bool inProgress(const Snapshot& snapshot);

} // namespace kvint
