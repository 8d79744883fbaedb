#include "coach/duel.h"

namespace kvint::coach {

// PLACEHOLDER until the engine lands.
DuelResult duel(const Coach& /*coach*/, u8 /*level*/, int /*games*/, std::uint64_t /*seed*/) {
    return {};
}

} // namespace kvint::coach
