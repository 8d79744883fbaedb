// The computer's turns as its chain played them; the numbers are made by
// tools/make-computer-turns.cpp (see there how to make them again).
#include "coach/computer_turns.h"

#include <array>

namespace kvint::coach {
namespace {

#include "coach/computer_turns.inc"

} // namespace

std::span<const std::uint32_t> turnTable() {
    return kTurnTable;
}

} // namespace kvint::coach
