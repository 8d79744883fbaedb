#include "game/categories.h"

#include <algorithm>
#include <array>

namespace kvint {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && s.front() == ' ') {
        s.remove_prefix(1);
    }
    while (!s.empty() && s.back() == ' ') {
        s.remove_suffix(1);
    }
    return s;
}

// The digits of a typed whole number without its leading zeros ("0023" ->
// "23"), or nothing when the text is not a number.
std::optional<std::string_view> wholeNumber(std::string_view s) {
    s = trimBlanks(s);
    if (!s.empty() && s.front() == '+') {
        s.remove_prefix(1);
    }
    const auto digitsEnd = std::find_if_not(s.begin(), s.end(), isDigit);
    std::string_view digits = s.substr(0, static_cast<std::size_t>(digitsEnd - s.begin()));
    std::string_view rest = s.substr(digits.size());
    if (digits.empty()) {
        return std::nullopt;
    }
    if (!rest.empty()) {
        if (rest.front() != '.' && rest.front() != ',') {
            return std::nullopt;
        }
        rest.remove_prefix(1);
        if (rest.find_first_not_of('0') != std::string_view::npos) {
            return std::nullopt;
        }
    }
    const auto firstNonZero = digits.find_first_not_of('0');
    return firstNonZero == std::string_view::npos ? "0" : digits.substr(firstNonZero);
}

struct Selector {
    std::string_view text;
    std::size_t category;
};

constexpr std::array<Selector, 8> kNumbers = {{
    {"1", 1},
    {"2", 2},
    {"3", 3},
    {"4", 4},
    {"5", 5},
    {"6", 6},
    {"23", cat::dva_tri},
    {"32", cat::tri_dva},
}};

constexpr std::array<Selector, 3> kWords = {{
    {"strit", cat::strit},
    {"care", cat::care},
    {"kvint", cat::kvint},
}};

std::optional<std::size_t> find(const auto& selectors, std::string_view text) {
    for (const Selector& s : selectors) {
        if (s.text == text) {
            return s.category;
        }
    }
    return std::nullopt;
}

int count(const Dice& dice, Face face) {
    return static_cast<int>(std::count(dice.begin(), dice.end(), face));
}

} // namespace

bool twoTriples(const Dice& d) {
    return d(1) == d(2) && d(2) == d(3) && d(4) == d(5) && d(5) == d(6);
}

bool threePairs(const Dice& d) {
    return d(1) == d(2) && d(3) == d(4) && d(5) == d(6);
}

bool isStraight(const Dice& d) {
    for (std::size_t i = 1; i < kDice; ++i) {
        if (d(i) == d(i + 1)) {
            return false;
        }
    }
    return true;
}

std::optional<std::size_t> selectCategory(std::string_view typed) {
    if (const auto number = wholeNumber(typed)) {
        if (const auto k = find(kNumbers, *number)) {
            return k;
        }
    }
    return find(kWords, typed);
}

std::string_view selectorText(std::size_t k) {
    const auto selects = [k](const Selector& s) { return s.category == k; };
    if (const auto* n = std::find_if(kNumbers.begin(), kNumbers.end(), selects);
        n != kNumbers.end()) {
        return n->text;
    }
    const auto* w = std::find_if(kWords.begin(), kWords.end(), selects);
    return w != kWords.end() ? w->text : std::string_view{};
}

std::optional<u8> categoryPoints(std::size_t k, const Dice& d) {
    const auto total = static_cast<u8>(diceTotal(d));
    switch (k) {
    case cat::dva_tri:
        return twoTriples(d) ? std::optional(total) : std::nullopt;
    case cat::tri_dva:
        return threePairs(d) ? std::optional(total) : std::nullopt;
    case cat::strit:
        return isStraight(d) ? std::optional<u8>(21) : std::nullopt;
    case cat::care:
        if (count(d, 6) >= 4) {
            return 24;
        }
        return std::nullopt;
    case cat::kvint:
        return total;
    default: // the faces 1..6
        return static_cast<u8>(k * static_cast<std::size_t>(count(d, static_cast<Face>(k))));
    }
}

} // namespace kvint
