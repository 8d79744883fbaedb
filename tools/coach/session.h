#pragma once

#include "coach/coach.h"

#include <istream>
#include <ostream>

namespace kvint::coachtool {

enum class SessionEnd : unsigned char { endOfInput, unreadable, outputFailed };

// Answers every query of `in` on `out`: one line per query, flushed before
// the next line is read, so that a program on a pipe can ask one question at
// a time. Skipped lines get no answer, malformed ones an `error` line. Throws
// std::logic_error when the coach gives advice the rules do not allow.
SessionEnd answerQueries(std::istream& in, std::ostream& out, const coach::Coach& coach);

} // namespace kvint::coachtool
