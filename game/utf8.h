#pragma once

namespace kvint {

// A byte that continues a UTF-8 sequence rather than starting a character.
constexpr bool isContinuation(unsigned char b) {
    return (b & 0xC0U) == 0x80U;
}

} // namespace kvint
