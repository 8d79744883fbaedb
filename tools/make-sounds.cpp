// Synthesizes the game's twelve short sounds as 16-bit mono WAV files into the
// folder given as the only argument. Nothing is copied from anywhere: each
// sound is a few tones or a rattle of noise clicks, all under a second.
// Built apart from the core; its one header is generated with the list of
// sounds, so a sound added there and not made here fails the build.
#include "game/sounds.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;

struct Tone {
    double hz;
    double seconds;
};

using Samples = std::vector<double>;

void appendTone(Samples& out, Tone t, double volume = 0.5) {
    const auto n = static_cast<std::size_t>(t.seconds * kRate);
    for (std::size_t i = 0; i < n; ++i) {
        const double time = static_cast<double>(i) / kRate;
        // Short fades at both ends keep the tone from clicking.
        const double fade = std::min({1.0, time / 0.01, (t.seconds - time) / 0.02});
        out.push_back(volume * fade * std::sin(2 * std::numbers::pi * t.hz * time));
    }
}

// Dice on a table: a burst of decaying noise clicks, more clicks for more dice.
Samples rattle(int dice, double seconds) {
    Samples out(static_cast<std::size_t>(seconds * kRate), 0.0);
    std::mt19937 gen(static_cast<std::mt19937::result_type>(dice) * 7919U);
    std::uniform_real_distribution<double> noise(-1.0, 1.0);
    std::uniform_int_distribution<std::size_t> start(0, out.size() * 3 / 4);
    for (int click = 0; click < dice * 5; ++click) {
        const std::size_t at = start(gen);
        for (std::size_t i = 0; i < 300 && at + i < out.size(); ++i) {
            out[at + i] += 0.35 * noise(gen) * std::exp(-static_cast<double>(i) / 60.0);
        }
    }
    return out;
}

Samples tones(std::initializer_list<Tone> list, double volume = 0.5) {
    Samples out;
    for (Tone t : list) {
        appendTone(out, t, volume);
    }
    return out;
}

void put16(std::ofstream& f, std::uint16_t v) {
    f.put(static_cast<char>(v & 0xFF));
    f.put(static_cast<char>(v >> 8));
}
void put32(std::ofstream& f, std::uint32_t v) {
    put16(f, static_cast<std::uint16_t>(v & 0xFFFF));
    put16(f, static_cast<std::uint16_t>(v >> 16));
}

bool writeWav(const std::string& path, const Samples& samples) {
    std::ofstream f(path, std::ios::binary);
    const auto bytes = static_cast<std::uint32_t>(samples.size() * 2);
    f.write("RIFF", 4);
    put32(f, 36 + bytes);
    f.write("WAVEfmt ", 8);
    put32(f, 16);
    put16(f, 1); // PCM
    put16(f, 1); // mono
    put32(f, kRate);
    put32(f, kRate * 2);
    put16(f, 2);
    put16(f, 16);
    f.write("data", 4);
    put32(f, bytes);
    for (double s : samples) {
        const double clipped = std::clamp(s, -1.0, 1.0);
        put16(f, static_cast<std::uint16_t>(static_cast<std::int16_t>(clipped * 32000)));
    }
    return static_cast<bool>(f);
}

Samples synthesize(kvint::Sound sound) {
    using kvint::Sound;
    switch (sound) {
    case Sound::dice01:
        return rattle(1, 0.35);
    case Sound::dice02:
        return rattle(2, 0.45);
    case Sound::dice03:
        return rattle(3, 0.55);
    case Sound::dice04:
        return rattle(4, 0.6);
    case Sound::dice05:
        return rattle(6, 0.7);
    case Sound::holding:
        return tones({{660, 0.08}});
    case Sound::sv:
        return tones({{220, 0.15}, {180, 0.15}});
    case Sound::end:
        return tones({{523, 0.15}, {659, 0.15}, {784, 0.15}, {1047, 0.35}});
    case Sound::ooh:
        return tones({{392, 0.2}, {330, 0.2}, {262, 0.4}});
    case Sound::ye:
        return tones({{587, 0.1}, {880, 0.15}});
    case Sound::wow:
        return tones({{523, 0.1}, {784, 0.1}, {1047, 0.1}, {1568, 0.25}});
    case Sound::thin:
        return tones({{300, 0.3}}, 0.3);
    }
    return {};
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-sounds DIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    for (std::size_t i = 0; i < kvint::kSoundFiles.size(); ++i) {
        const auto sound = static_cast<kvint::Sound>(i);
        const std::string path = dir + "/" + std::string(kvint::soundFile(sound));
        const Samples samples = synthesize(sound);
        if (samples.empty() || !writeWav(path, samples)) {
            std::fprintf(stderr, "make-sounds: cannot make %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
