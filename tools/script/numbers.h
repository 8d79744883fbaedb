#pragma once

#include <optional>
#include <string_view>

namespace kvint::script {

// A random value as scripts write it: digits, optionally a point and more
// digits, with a value below 1. Gives the nearest single-precision value, or
// nothing for any other spelling ("1", ".5", "0.", "-0", "1e-3", "0x0").
std::optional<float> parseRandom(std::string_view word);

// Plain decimal digits, leading zeros allowed, no sign, at most `max`.
// However long the digit string, no overflow: the value is only compared.
std::optional<unsigned> parseBounded(std::string_view word, unsigned max);

} // namespace kvint::script
