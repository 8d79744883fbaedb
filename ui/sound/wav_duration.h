#pragma once

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace kvint::ui {

namespace wav_detail {

inline std::uint32_t le32(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
           static_cast<std::uint32_t>(b[at + 2]) << 16 |
           static_cast<std::uint32_t>(b[at + 3]) << 24;
}

inline bool tagAt(std::span<const std::uint8_t> b, std::size_t at, std::string_view tag) {
    for (std::size_t i = 0; i < tag.size(); ++i) {
        if (b[at + i] != static_cast<std::uint8_t>(tag[i])) {
            return false;
        }
    }
    return true;
}

} // namespace wav_detail

// How long a RIFF/WAVE file plays, from its "fmt " byte rate and the size of
// its "data" chunk, rounded up to whole milliseconds. The sound waits use it
// as their upper bound, so a file that is not a WAV we can measure gives
// nothing rather than a guess. A data chunk that claims more bytes than the
// file holds is measured by what is there.
inline std::optional<std::chrono::milliseconds> wavDuration(std::span<const std::uint8_t> file) {
    using namespace wav_detail;
    constexpr std::size_t kRiffHeader = 12;
    constexpr std::size_t kChunkHeader = 8;
    constexpr std::size_t kFmtMinimum = 16;
    if (file.size() < kRiffHeader || !tagAt(file, 0, "RIFF") || !tagAt(file, 8, "WAVE")) {
        return std::nullopt;
    }
    std::optional<std::uint32_t> byteRate;
    std::optional<std::uint64_t> dataBytes;
    std::size_t at = kRiffHeader;
    while (file.size() - at >= kChunkHeader && !(byteRate && dataBytes)) {
        const std::uint64_t declared = le32(file, at + 4);
        const std::size_t body = at + kChunkHeader;
        const std::uint64_t present = std::min<std::uint64_t>(declared, file.size() - body);
        if (tagAt(file, at, "fmt ")) {
            if (present < kFmtMinimum) {
                return std::nullopt;
            }
            byteRate = le32(file, body + 8);
        } else if (tagAt(file, at, "data")) {
            dataBytes = present;
        }
        // Chunks are padded to an even length.
        const std::uint64_t next = body + declared + (declared & 1U);
        if (next >= file.size()) {
            break;
        }
        at = static_cast<std::size_t>(next);
    }
    if (!byteRate || *byteRate == 0 || !dataBytes) {
        return std::nullopt;
    }
    const std::uint64_t ms = (*dataBytes * 1000 + *byteRate - 1) / *byteRate;
    return std::chrono::milliseconds(ms);
}

} // namespace kvint::ui
