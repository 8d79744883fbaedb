#pragma once

#include "coach/coach.h"

#include <string>
#include <string_view>
#include <variant>

namespace kvint::coachtool {

// A query line is either skipped (no words, or a `#` in its first byte), a
// position to advise on, or malformed, with a message that names the fault.
struct Skipped {};
struct Malformed {
    std::string message;
};
using Query = std::variant<Skipped, coach::Position, Malformed>;

// One line without its line end. Words are split on blanks and tabs; the
// fields come in their fixed order and every value is checked for its range.
Query parseQuery(std::string_view line);

} // namespace kvint::coachtool
