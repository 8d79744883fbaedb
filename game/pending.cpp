// Procedures still being written; each moves to its own file when done.
#include "game/game.h"

namespace kvint {

} // namespace kvint
