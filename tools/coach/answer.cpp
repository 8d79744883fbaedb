#include "tools/coach/answer.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <optional>
#include <stdexcept>

namespace kvint::coachtool {
namespace {

std::string decisionWords(const coach::Decision& d) {
    switch (d.kind) {
    case coach::Decision::Kind::reroll: {
        std::string words = "reroll";
        for (std::size_t i = 0; i < kDice; ++i) {
            if (d.reroll.at(i)) {
                words += ' ';
                words += static_cast<char>('1' + i);
            }
        }
        return words;
    }
    case coach::Decision::Kind::write:
        return "write " + std::to_string(d.category);
    case coach::Decision::Kind::pass:
        return "pass";
    }
    throw std::logic_error("the coach gave a decision of no known kind");
}

// The coach's tables and sums may stray from 0..1 by their rounding. Less
// than half the last digit an answer prints is rounding; what strays
// further is no chance at all.
constexpr double kRounding = 0.00005;

std::string written(double p, std::optional<int> digits) {
    std::array<char, 64> buf{};
    const auto [end, ec] = digits ? std::to_chars(buf.data(), buf.data() + buf.size(), p,
                                                  std::chars_format::fixed, *digits)
                                  : std::to_chars(buf.data(), buf.data() + buf.size(), p);
    if (ec != std::errc{}) {
        throw std::logic_error("the coach's chance cannot be written");
    }
    return {buf.data(), end};
}

} // namespace

void checkAdvice(const coach::Position& position, const coach::Advice& advice) {
    if (!coach::allowed(position, advice.decision)) {
        throw std::logic_error("the coach chose '" + decisionWords(advice.decision) +
                               "', which the rules do not allow here");
    }
    if (!(advice.win >= -kRounding && advice.win <= 1.0 + kRounding)) {
        throw std::logic_error("the coach's chance " + written(advice.win, std::nullopt) +
                               " is not a probability");
    }
}

std::string answerLine(const coach::Advice& advice) {
    return decisionWords(advice.decision) + " win " + written(std::clamp(advice.win, 0.0, 1.0), 4);
}

} // namespace kvint::coachtool
