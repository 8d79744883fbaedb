#include "ui/sound/wav_header.h"

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

TEST(WavDuration, ADataChunkLongerThanTheFileIsRefused) {
    Bytes streamed = riff();
    fmt(streamed, 8000, 1, 8);
    chunk(streamed, "data", 0xFFFFFFFFU, 250); // a streaming writer's "unknown" size
    EXPECT_EQ(wavDuration(streamed), std::nullopt);

    Bytes claimsGigabytes = riff(); // the library would reserve all it claims
    fmt(claimsGigabytes, 8000, 1, 8);
    chunk(claimsGigabytes, "data", 0xFFFFF000U, 2048);
    EXPECT_EQ(wavDuration(claimsGigabytes), std::nullopt);

    Bytes oneShort = riff();
    fmt(oneShort, 8000, 1, 8);
    chunk(oneShort, "data", 2048, 2047);
    EXPECT_EQ(wavDuration(oneShort), std::nullopt);
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

// Every figure of the format chunk the library might trust, spoilt one at a
// time from a header it plays.
TEST(WavDuration, RefusesHeadersUnfitForAShortEffect) {
    struct Spoilt {
        const char* what;
        std::uint16_t code = 1, channels = 1;
        std::uint32_t rate = 22050, byteRate = 44100;
        std::uint16_t align = 2, bits = 16;
    };
    const std::vector<Spoilt> cases = {
        {.what = "sane"},
        {.what = "byte rate 1", .byteRate = 1},
        {.what = "not PCM", .code = 3},
        {.what = "three channels", .channels = 3, .byteRate = 132300, .align = 6},
        {.what = "24 bits", .byteRate = 66150, .align = 3, .bits = 24},
        {.what = "4000 Hz", .rate = 4000, .byteRate = 8000},
        {.what = "192000 Hz", .rate = 192000, .byteRate = 384000},
        {.what = "block align wrong", .align = 6},
    };
    for (const Spoilt& f : cases) {
        Bytes b = riff();
        tag(b, "fmt ");
        put32(b, 16);
        for (std::uint16_t v : {f.code, f.channels}) {
            put16(b, v);
        }
        put32(b, f.rate);
        put32(b, f.byteRate);
        put16(b, f.align);
        put16(b, f.bits);
        chunk(b, "data", 6, 6); // whole frames of any of them, six seconds at a byte a second
        EXPECT_EQ(wavDuration(b).has_value(), f.what == std::string_view("sane")) << f.what;
    }

    Bytes tooLong = riff();
    fmt(tooLong, 8000, 1, 8);
    chunk(tooLong, "data", 80008, 80008); // a millisecond past ten seconds
    EXPECT_EQ(wavDuration(tooLong), std::nullopt);
    Bytes tenSeconds = riff();
    fmt(tenSeconds, 8000, 1, 8);
    chunk(tenSeconds, "data", 80000, 80000);
    EXPECT_EQ(wavDuration(tenSeconds), milliseconds(10000));

    Bytes shortFmt = riff();
    chunk(shortFmt, "fmt ", 14, 14);
    chunk(shortFmt, "data", 100, 100);
    EXPECT_EQ(wavDuration(shortFmt), std::nullopt);

    Bytes halfFrame = riff();
    fmt(halfFrame, 22050, 1, 16);
    chunk(halfFrame, "data", 4411, 4411);
    EXPECT_EQ(wavDuration(halfFrame), std::nullopt);

    // An odd chunk without its pad byte: the walk, kept to even lengths,
    // lands a byte into the next header and finds no format.
    Bytes unpadded = riff();
    tag(unpadded, "LIST");
    put32(unpadded, 7);
    unpadded.insert(unpadded.end(), 7, 0x11);
    fmt(unpadded, 22050, 1, 16);
    chunk(unpadded, "data", 4410, 4410);
    EXPECT_EQ(wavDuration(unpadded), std::nullopt);
}

} // namespace
