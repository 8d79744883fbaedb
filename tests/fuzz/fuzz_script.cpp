// Feeds arbitrary bytes as a script to the engine behind kvint-script. Any
// crash, sanitizer report, hang or run-away memory is a finding.
#include "tools/script/runner.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream script(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream transcript;
    kvint::script::runScript(script, transcript, KVINT_FUZZ_ASSETS);
    return 0;
}
