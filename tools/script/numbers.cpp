#include "tools/script/numbers.h"

#include <algorithm>
#include <charconv>

namespace kvint::script {
namespace {

bool allDigits(std::string_view s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

std::optional<float> parseRandom(std::string_view word) {
    const auto point = word.find('.');
    const std::string_view whole = word.substr(0, point);
    if (!allDigits(whole)) {
        return std::nullopt;
    }
    if (point != std::string_view::npos && !allDigits(word.substr(point + 1))) {
        return std::nullopt;
    }
    // Below 1 exactly when the whole part is nothing but zeros.
    if (whole.find_first_not_of('0') != std::string_view::npos) {
        return std::nullopt;
    }
    float value = 0.0F;
    const auto [end, ec] =
        std::from_chars(word.data(), word.data() + word.size(), value, std::chars_format::fixed);
    if (ec == std::errc::result_out_of_range) {
        return 0.0F; // too small for even the least subnormal: 0 is nearest
    }
    if (ec != std::errc{} || end != word.data() + word.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<unsigned> parseBounded(std::string_view word, unsigned max) {
    if (!allDigits(word)) {
        return std::nullopt;
    }
    unsigned value = 0;
    for (char c : word) {
        const auto digit = static_cast<unsigned>(c - '0');
        if (digit > max || value > (max - digit) / 10) {
            return std::nullopt;
        }
        value = value * 10 + digit;
    }
    return value;
}

} // namespace kvint::script
