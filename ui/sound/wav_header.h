#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace kvint::ui {

// The longest sound the game plays: its own last under a second. A file
// that claims more is no effect of this game and is not played.
inline constexpr std::chrono::seconds kLongestSound{10};

// The formats the sound library plays without a second thought.
inline constexpr std::uint32_t kLowestRate = 8000;
inline constexpr std::uint32_t kHighestRate = 96000;

namespace wav_detail {

inline std::uint16_t le16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

inline std::uint32_t le32(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(le16(b, at)) | static_cast<std::uint32_t>(le16(b, at + 2))
                                                         << 16;
}

inline bool tagAt(std::span<const std::uint8_t> b, std::size_t at, std::string_view tag) {
    for (std::size_t i = 0; i < tag.size(); ++i) {
        if (b[at + i] != static_cast<std::uint8_t>(tag[i])) {
            return false;
        }
    }
    return true;
}

struct PcmFormat {
    std::uint16_t code;
    std::uint16_t channels;
    std::uint32_t rate;
    std::uint32_t byteRate;
    std::uint16_t blockAlign;
    std::uint16_t bits;
};

inline PcmFormat formatAt(std::span<const std::uint8_t> b, std::size_t body) {
    return {le16(b, body),     le16(b, body + 2),  le32(b, body + 4),
            le32(b, body + 8), le16(b, body + 12), le16(b, body + 14)};
}

// Plain PCM as a short effect has it; the rates are stated twice in the
// header, and a library that divides by one of them must find them agree.
inline bool playable(const PcmFormat& f) {
    constexpr std::uint16_t kPcm = 1;
    const bool known = f.code == kPcm && (f.channels == 1 || f.channels == 2) &&
                       (f.bits == 8 || f.bits == 16) && f.rate >= kLowestRate &&
                       f.rate <= kHighestRate;
    if (!known) {
        return false;
    }
    const auto frame = static_cast<std::uint32_t>(f.channels * f.bits / 8);
    return f.blockAlign == frame && f.byteRate == f.rate * frame;
}

} // namespace wav_detail

// How long a RIFF/WAVE file plays, rounded up to whole milliseconds, when
// it is a sound the game may hand to the sound library: PCM, mono or
// stereo, 8 or 16 bits, a usual rate, a header whose figures agree, and a
// "data" chunk of whole frames that the file holds in full and that lasts
// at most kLongestSound. Any other file gives nothing: the library would
// trust its header, so a file that lies about it (a rate of 1, gigabytes
// of data in a few kilobytes) must never reach it.
inline std::optional<std::chrono::milliseconds> wavDuration(std::span<const std::uint8_t> file) {
    using namespace wav_detail;
    constexpr std::size_t kRiffHeader = 12;
    constexpr std::size_t kChunkHeader = 8;
    constexpr std::uint64_t kFmtMinimum = 16;
    if (file.size() < kRiffHeader || !tagAt(file, 0, "RIFF") || !tagAt(file, 8, "WAVE")) {
        return std::nullopt;
    }
    std::optional<PcmFormat> format;
    std::optional<std::uint64_t> dataBytes;
    // Sizes are at most 2^32 past a position within the file: the sums
    // below cannot wrap.
    std::uint64_t at = kRiffHeader;
    while (file.size() - at >= kChunkHeader && !(format && dataBytes)) {
        const auto chunk = static_cast<std::size_t>(at);
        const std::uint64_t declared = le32(file, chunk + 4);
        const std::uint64_t body = at + kChunkHeader;
        const bool held = declared <= file.size() - body;
        if (!format && tagAt(file, chunk, "fmt ")) {
            if (declared < kFmtMinimum || !held) {
                return std::nullopt;
            }
            format = formatAt(file, static_cast<std::size_t>(body));
        } else if (!dataBytes && tagAt(file, chunk, "data")) {
            if (!held) {
                return std::nullopt;
            }
            dataBytes = declared;
        }
        at = body + declared + (declared & 1U); // chunks are padded to an even length
        if (at > file.size()) {
            break;
        }
    }
    if (!format || !dataBytes || !playable(*format) || *dataBytes % format->blockAlign != 0) {
        return std::nullopt;
    }
    const std::uint64_t ms = (*dataBytes * 1000 + format->byteRate - 1) / format->byteRate;
    const std::chrono::milliseconds length(static_cast<std::chrono::milliseconds::rep>(ms));
    if (length > kLongestSound) {
        return std::nullopt;
    }
    return length;
}

} // namespace kvint::ui
