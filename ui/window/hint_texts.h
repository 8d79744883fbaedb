#pragma once

#include "coach/coach.h"
#include "game/game.h"
#include "ui/coach/coach_session.h"

#include <QString>

namespace kvint::ui {

// What the coach's words say, in the game's language: a decision as the
// window's buttons name it ("перебросить кубики 2, 5", "записать 3/2",
// "отмена"), the hint and the trainer's remark.
QString decisionText(const Game& game, coach::Side side, const coach::Decision& decision);
QString hintText(const Game& game, coach::Side side, const coach::Advice& advice);
QString reviewText(const Game& game, const Review& review);

// The trainer speaks when the choice taken cost more than two percentage
// points of the chance to win.
bool costly(const Review& review);

} // namespace kvint::ui
