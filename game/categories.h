#pragma once

#include "game/state.h"

#include <optional>
#include <string_view>

namespace kvint {

// The category a typed text selects: a number 1..6, 23 or 32, read leniently
// (surrounding blanks, a plus sign, leading zeros, a fraction of zeros such as
// "4.0" or "4,00"), or one of the words "strit", "care", "kvint" exactly as
// typed. Anything else selects nothing.
std::optional<std::size_t> selectCategory(std::string_view typed);

// The plain text that selects category k (1..11): what a player types for it.
std::string_view selectorText(std::size_t k);

// The points the dice (sorted highest first) give in category k, or nothing
// when k is one of the combinations 7..10 and the dice do not show it. A face
// no die shows gives 0.
std::optional<u8> categoryPoints(std::size_t k, const Dice& sorted);

// The combinations, for dice sorted either way.
bool twoTriples(const Dice& sorted); // "2/3"
bool threePairs(const Dice& sorted); // "3/2"
bool isStraight(const Dice& sorted); // "strit": no two dice alike

} // namespace kvint
