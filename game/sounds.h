#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace kvint {

// The twelve sounds of the game, each a file beside the program. Naming them
// here keeps a mistyped file name from compiling into a sound that never plays.
enum class Sound : unsigned char {
    dice01,
    dice02,
    dice03,
    dice04,
    dice05,
    holding,
    sv,
    end,
    ooh,
    ye,
    wow,
    thin,
};

inline constexpr std::array<std::string_view, 12> kSoundFiles = {
    "dice01.wav", "dice02.wav", "dice03.wav", "dice04.wav", "dice05.wav", "holding.wav",
    "sv.wav",     "end.wav",    "ooh.wav",    "ye.wav",     "wow.wav",    "thin.wav",
};
static_assert(kSoundFiles.size() == static_cast<std::size_t>(Sound::thin) + 1);

constexpr std::string_view soundFile(Sound s) {
    return kSoundFiles[static_cast<std::size_t>(s)];
}

} // namespace kvint
