#include "tools/coach/quote.h"

#include <cstddef>

namespace kvint::coachtool {

std::string quoted(std::string_view word) {
    constexpr std::size_t kShown = 32;
    constexpr std::string_view hex = "0123456789ABCDEF";
    std::string out = "'";
    for (const char c : word.substr(0, kShown)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F) {
            out += c;
            continue;
        }
        out += "\\x";
        out += hex[byte >> 4U];
        out += hex[byte & 0xFU];
    }
    out += word.size() > kShown ? "'..." : "'";
    return out;
}

} // namespace kvint::coachtool
