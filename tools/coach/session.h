#pragma once

#include "coach/coach.h"

#include <istream>
#include <optional>
#include <ostream>

namespace kvint::coachtool {

// The coach, built at the first query that needs it: its tables take a
// while, and input with nothing to advise (only errors, comments or nothing
// at all) is answered without them.
class CoachOnDemand {
  public:
    const coach::Coach& get() {
        if (!coach_) {
            coach_.emplace();
        }
        return *coach_;
    }

  private:
    std::optional<coach::Coach> coach_;
};

enum class SessionEnd : unsigned char { endOfInput, unreadable, outputFailed };

// Answers every query of `in` on `out`: one line per query, flushed before
// the next line is read, so that a program on a pipe can ask one question at
// a time. Skipped lines get no answer, malformed ones an `error` line. Throws
// std::logic_error when the coach gives advice the rules do not allow.
SessionEnd answerQueries(std::istream& in, std::ostream& out, CoachOnDemand& coach);

} // namespace kvint::coachtool
