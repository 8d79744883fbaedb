#include "tools/coach/answer.h"

#include <array>
#include <charconv>
#include <cstddef>
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

std::string fourDigits(double p) {
    std::array<char, 32> buf{};
    const auto [end, ec] =
        std::to_chars(buf.data(), buf.data() + buf.size(), p, std::chars_format::fixed, 4);
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
    if (!(advice.win >= 0.0 && advice.win <= 1.0)) {
        throw std::logic_error("the coach's chance " + fourDigits(advice.win) +
                               " is not a probability");
    }
}

std::string answerLine(const coach::Advice& advice) {
    return decisionWords(advice.decision) + " win " + fourDigits(advice.win);
}

} // namespace kvint::coachtool
