// Feeds arbitrary bytes as a script to the engine behind kvint-script. Any
// crash, sanitizer report, hang or run-away memory is a finding. So is a game
// that does not come back whole from its export: every state a script reaches
// must read back exactly when its values lie in a game's ranges (a script's
// "set" may put them outside), and be refused otherwise. The bytes also go to
// the snapshot reader as they are.
#include "game/game.h"
#include "game/snapshot.h"
#include "tools/script/runner.h"
#include "tools/script/script_platform.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

namespace {

// The export read back and taken up by a fresh game gives the game again.
void checkRoundTrip(const kvint::Game& game) {
    const kvint::Snapshot taken = kvint::snapshotOf(game);
    const auto back = kvint::parseSnapshot(kvint::exportSnapshot(taken));
    if (back.has_value() != kvint::withinBounds(taken)) {
        std::abort();
    }
    if (!back) {
        return;
    }
    std::ostringstream unused;
    kvint::script::ScriptPlatform platform(unused);
    kvint::Game fresh(platform, KVINT_FUZZ_ASSETS, back->language);
    if (!fresh.restore(*back) || kvint::snapshotOf(fresh) != taken) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    if (const auto parsed = kvint::parseSnapshot(bytes)) {
        if (kvint::parseSnapshot(kvint::exportSnapshot(*parsed)) != parsed) {
            std::abort();
        }
    }
    std::istringstream script(bytes);
    std::ostringstream transcript;
    kvint::script::runScript(script, transcript, KVINT_FUZZ_ASSETS, checkRoundTrip);
    return 0;
}
