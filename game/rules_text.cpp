#include "game/rules_text.h"

#include "game/utf8.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <system_error>

namespace kvint {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Code points of bytes 0x80..0xBF in code page 1251; 0x98 has none there.
// Bytes 0xC0..0xFF are А..я in order (U+0410..U+044F).
constexpr std::array<char32_t, 64> kCp1251High = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // B8
};

char32_t fromCp1251(unsigned char b) {
    if (b < 0x80) {
        return b;
    }
    if (b >= 0xC0) {
        return 0x0410 + (b - 0xC0);
    }
    return kCp1251High[b - 0x80];
}

// Only code points below U+10000 come from code page 1251.
void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
        return;
    }
    if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
        return;
    }
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
}

// Number of bytes of the sequence a lead byte opens; 0 for a byte that
// cannot open one.
std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    return 0;
}

// The allowed range of the byte after a lead byte: it shuts out overlong
// forms, surrogates and code points past U+10FFFF.
bool secondByteFits(unsigned char lead, unsigned char second) {
    switch (lead) {
    case 0xE0:
        return second >= 0xA0 && second <= 0xBF;
    case 0xED:
        return second >= 0x80 && second <= 0x9F;
    case 0xF0:
        return second >= 0x90 && second <= 0xBF;
    case 0xF4:
        return second >= 0x80 && second <= 0x8F;
    default:
        return second >= 0x80 && second <= 0xBF;
    }
}

unsigned char byteAt(std::string_view s, std::size_t i) {
    return static_cast<unsigned char>(s[i]);
}

} // namespace

std::string joinLines(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() + 1);
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t cr = bytes.find('\r', start);
        if (cr == std::string_view::npos) {
            text.append(bytes.substr(start));
            text += '\n';
            break;
        }
        text.append(bytes.substr(start, cr - start));
        text += '\n';
        start = cr + 1;
        if (start < bytes.size() && bytes[start] == '\n') {
            ++start;
        }
    }
    return text;
}

bool isUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const unsigned char lead = byteAt(bytes, i);
        const std::size_t n = sequenceLength(lead);
        if (n == 0 || i + n > bytes.size()) {
            return false;
        }
        if (n > 1 && !secondByteFits(lead, byteAt(bytes, i + 1))) {
            return false;
        }
        for (std::size_t k = 2; k < n; ++k) {
            if (!isContinuation(byteAt(bytes, i + k))) {
                return false;
            }
        }
        i += n;
    }
    return true;
}

std::string cp1251ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes) {
        appendUtf8(out, fromCp1251(static_cast<unsigned char>(c)));
    }
    return out;
}

std::size_t withoutCutSequence(std::string_view bytes) {
    const std::size_t size = bytes.size();
    for (std::size_t back = 1; back <= 3 && back <= size; ++back) {
        const unsigned char b = byteAt(bytes, size - back);
        if (!isContinuation(b)) {
            const std::size_t n = sequenceLength(b);
            return n > back ? size - back : size;
        }
    }
    return size;
}

RulesFile readRulesFile(const std::filesystem::path& file, std::size_t limit) {
    RulesFile result;
    std::error_code ec;
    // A folder opens fine and then reads as empty, and a pipe might never end:
    // only a regular file is worth reading.
    if (!std::filesystem::is_regular_file(file, ec)) {
        return result;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return result;
    }
    result.bytes.resize(limit + 1);
    in.read(result.bytes.data(), static_cast<std::streamsize>(result.bytes.size()));
    if (in.bad()) {
        return RulesFile{};
    }
    result.bytes.resize(static_cast<std::size_t>(in.gcount()));
    result.truncated = result.bytes.size() > limit;
    if (result.truncated) {
        result.bytes.resize(limit);
    }
    result.readable = true;
    return result;
}

std::string rulesText(const RulesFile& file, Language lang, std::string_view name) {
    if (!file.readable) {
        return format(lang, Msg::rulesUnreadable, {name});
    }
    std::string_view bytes = file.bytes;
    // The limit may fall inside a character: drop its first bytes rather
    // than take the whole file for code page 1251.
    const std::string_view whole =
        file.truncated ? bytes.substr(0, withoutCutSequence(bytes)) : bytes;
    std::string text;
    if (isUtf8(whole)) {
        text = joinLines(whole.starts_with(kByteOrderMark) ? whole.substr(kByteOrderMark.size())
                                                           : whole);
    } else {
        text = joinLines(cp1251ToUtf8(bytes));
    }
    if (file.truncated) {
        text += messageText(lang, Msg::rulesCutShort);
    }
    return text;
}

} // namespace kvint
