#pragma once

#include "coach/coach.h"

#include <string>

namespace kvint::coachtool {

// Throws std::logic_error when the advice is one the rules do not allow in
// the position, or its chance is no probability (by more than the four
// digits of an answer could show): that is a fault of the coach, and no
// answer may hide it.
void checkAdvice(const coach::Position& position, const coach::Advice& advice);

// The answer line without its line end, words split by one blank:
// `reroll I...` (the marked dice 1..6, ascending), `write K` or `pass`, then
// `win P` with four digits after the point, a rounding below 0 or above 1
// written as 0 or 1.
std::string answerLine(const coach::Advice& advice);

} // namespace kvint::coachtool
