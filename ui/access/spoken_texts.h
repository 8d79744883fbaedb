#pragma once

#include "game/game.h"
#include "game/outlook.h"

#include <QString>

namespace kvint::ui {

// Every word the window says of its controls beyond their captions: what a
// screen reader reads and what the score sheet previews, in the game's
// language.

// The caption of a category in a column, as the score sheet shows it ("3/2").
QString categoryName(const Game& game, Cell cell);

// What a screen reader says of control c as it stands now ("Кубик 3: 5",
// "Вы, strit: 21" in Russian), or the control's caption.
QString spokenName(const Game& game, Ctl c);

// What more it says when asked: the set an exclusive choice belongs to and
// its place in it ("Режим игры, 1 из 2"), or a cell's preview.
QString spokenDescription(const Game& game, Ctl c);

// What an entry into the cell would do now, for the side that is writing;
// empty for every other cell.
QString previewText(const Game& game, Cell cell);

} // namespace kvint::ui
