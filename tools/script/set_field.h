#pragma once

#include "game/state.h"
#include "tools/script/command.h"

namespace kvint::script {

// Writes the fields a `set` line names, already checked for range. Touches
// the state only: the window keeps showing what it showed.
void applySet(const SetCmd& cmd, State& st);

} // namespace kvint::script
