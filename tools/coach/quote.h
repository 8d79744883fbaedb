#pragma once

#include <string>
#include <string_view>

namespace kvint::coachtool {

// A word of the input as an error answer shows it: in quotes, cut after a
// few dozen bytes, every byte outside printable ASCII as \xHH, so that a
// hostile line cannot break the one-line answer or the terminal.
std::string quoted(std::string_view word);

} // namespace kvint::coachtool
