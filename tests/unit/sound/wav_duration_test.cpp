#include "ui/sound/wav_duration.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>
#include <vector>

namespace {

using kvint::ui::wavDuration;
using std::chrono::milliseconds;
using Bytes = std::vector<std::uint8_t>;

void put32(Bytes& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
}

void put16(Bytes& b, std::uint16_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}

void tag(Bytes& b, std::string_view t) {
    b.insert(b.end(), t.begin(), t.end());
}

// A chunk with `size` declared and `body` bytes actually present (plus the pad
// byte for an odd declared size when the body is complete).
void chunk(Bytes& b, std::string_view id, std::uint32_t size, std::size_t body) {
    tag(b, id);
    put32(b, size);
    b.insert(b.end(), body, 0x11);
    if (body == size && (size & 1U) != 0) {
        b.push_back(0);
    }
}

void fmt(Bytes& b, std::uint32_t rate, std::uint16_t channels, std::uint16_t bits) {
    tag(b, "fmt ");
    put32(b, 16);
    put16(b, 1);
    put16(b, channels);
    put32(b, rate);
    put32(b, rate * channels * bits / 8);
    put16(b, static_cast<std::uint16_t>(channels * bits / 8));
    put16(b, bits);
}

Bytes riff() {
    Bytes b;
    tag(b, "RIFF");
    put32(b, 0); // the RIFF size is not trusted anyway
    tag(b, "WAVE");
    return b;
}

TEST(WavDuration, MeasuresPlainPcmFromByteRateAndDataSize) {
    Bytes b = riff();
    fmt(b, 22050, 1, 16);
    chunk(b, "data", 44100, 44100);
    EXPECT_EQ(wavDuration(b), milliseconds(1000));

    Bytes stereo = riff();
    fmt(stereo, 44100, 2, 16);
    chunk(stereo, "data", 44100, 44100); // a quarter of a second
    EXPECT_EQ(wavDuration(stereo), milliseconds(250));
}

TEST(WavDuration, RoundsUpToWholeMilliseconds) {
    Bytes b = riff();
    fmt(b, 8000, 1, 8);
    chunk(b, "data", 9, 9); // 1.125 ms
    EXPECT_EQ(wavDuration(b), milliseconds(2));
}

TEST(WavDuration, SkipsForeignAndOddSizedChunks) {
    Bytes b = riff();
    chunk(b, "LIST", 7, 7); // odd: one pad byte follows
    fmt(b, 22050, 1, 16);
    chunk(b, "fact", 4, 4);
    chunk(b, "data", 22050, 22050);
    EXPECT_EQ(wavDuration(b), milliseconds(500));

    Bytes dataFirst = riff();
    chunk(dataFirst, "data", 22050, 22050);
    fmt(dataFirst, 22050, 1, 8);
    EXPECT_EQ(wavDuration(dataFirst), milliseconds(1000));
}

TEST(WavDuration, TruncatedDataCountsOnlyTheBytesPresent) {
    Bytes b = riff();
    fmt(b, 1000, 1, 8);
    chunk(b, "data", 0xFFFFFFFFU, 250); // a streaming writer's "unknown" size
    EXPECT_EQ(wavDuration(b), milliseconds(250));
}

TEST(WavDuration, RejectsWhatCannotBeMeasured) {
    EXPECT_EQ(wavDuration(Bytes{}), std::nullopt);
    Bytes shortHeader = {'R', 'I', 'F', 'F', 0, 0};
    EXPECT_EQ(wavDuration(shortHeader), std::nullopt);

    Bytes notWave = riff();
    notWave[8] = 'A'; // "AAVE"
    fmt(notWave, 22050, 1, 16);
    chunk(notWave, "data", 100, 100);
    EXPECT_EQ(wavDuration(notWave), std::nullopt);

    Bytes noFmt = riff();
    chunk(noFmt, "data", 100, 100);
    EXPECT_EQ(wavDuration(noFmt), std::nullopt);

    Bytes noData = riff();
    fmt(noData, 22050, 1, 16);
    EXPECT_EQ(wavDuration(noData), std::nullopt);

    Bytes silentRate = riff();
    fmt(silentRate, 0, 1, 16);
    chunk(silentRate, "data", 100, 100);
    EXPECT_EQ(wavDuration(silentRate), std::nullopt);

    Bytes cutFmt = riff();
    chunk(cutFmt, "fmt ", 16, 10); // the file ends inside the format chunk
    EXPECT_EQ(wavDuration(cutFmt), std::nullopt);
}

TEST(WavDuration, AHugeDeclaredChunkSizeEndsTheScanSafely) {
    Bytes b = riff();
    fmt(b, 22050, 1, 16);
    chunk(b, "junk", 0xFFFFFFF0U, 3);
    EXPECT_EQ(wavDuration(b), std::nullopt); // no data chunk ever reached
}

} // namespace
