#include "coach/dice_space.h"

#include <algorithm>
#include <cmath>

namespace kvint::coach {
namespace {

constexpr std::size_t kFaces = 6;
constexpr std::size_t kCodes = 117'649; // 7^6

std::size_t codeOf(const Counts& c) {
    std::size_t code = 0;
    for (u8 n : c) {
        code = code * 7 + n;
    }
    return code;
}

std::size_t total(const Counts& c) {
    std::size_t n = 0;
    for (u8 v : c) {
        n += v;
    }
    return n;
}

// Every multiset of at most `left` dice over faces `face`..6.
void enumerate(Counts& c, std::size_t face, std::size_t left, std::vector<Counts>& out) {
    if (face == kFaces) {
        out.push_back(c);
        return;
    }
    for (std::size_t n = 0; n <= left; ++n) {
        c[face] = static_cast<u8>(n);
        enumerate(c, face + 1, left - n, out);
    }
    c[face] = 0;
}

// The chance that `n` fair dice show exactly these counts.
float chance(const Counts& c) {
    const std::size_t n = total(c);
    double p = std::tgamma(static_cast<double>(n) + 1.0);
    for (u8 v : c) {
        p /= std::tgamma(static_cast<double>(v) + 1.0);
    }
    return static_cast<float>(p / std::pow(6.0, static_cast<double>(n)));
}

Counts plus(Counts a, const Counts& b) {
    for (std::size_t f = 0; f < kFaces; ++f) {
        a[f] = static_cast<u8>(a[f] + b[f]);
    }
    return a;
}

} // namespace

Counts countsOf(const Dice& dice) {
    Counts c{};
    for (Face f : dice) {
        ++c[static_cast<std::size_t>(f - 1)];
    }
    return c;
}

DiceSpace::DiceSpace() : code_(kCodes, 0) {
    Counts c{};
    enumerate(c, 0, kDice, counts_);
    for (std::size_t s = 0; s < counts_.size(); ++s) {
        code_[codeOf(counts_[s])] = static_cast<std::uint16_t>(s);
        sizes_.push_back(static_cast<std::uint8_t>(total(counts_[s])));
        bySize_.push_back(static_cast<std::uint16_t>(s));
    }
    std::stable_sort(bySize_.begin(), bySize_.end(),
                     [this](std::uint16_t a, std::uint16_t b) { return sizes_[a] < sizes_[b]; });
    sorted_.resize(counts_.size());
    std::vector<std::vector<Counts>> bySizeCounts(kDice + 1);
    for (const Counts& k : counts_) {
        bySizeCounts[total(k)].push_back(k);
    }
    for (std::size_t s = 0; s < counts_.size(); ++s) {
        const Counts& k = counts_[s];
        outcomeStart_.push_back(static_cast<std::uint32_t>(outcomes_.size()));
        for (const Counts& o : bySizeCounts[kDice - sizes_[s]]) {
            outcomes_.push_back({static_cast<std::uint16_t>(index(plus(k, o))), chance(o)});
        }
        smallerStart_.push_back(static_cast<std::uint32_t>(smaller_.size()));
        for (std::size_t f = 0; f < kFaces; ++f) {
            if (k[f] > 0) {
                Counts less = k;
                --less[f];
                smaller_.push_back(static_cast<std::uint16_t>(index(less)));
            }
        }
        if (sizes_[s] == kDice) {
            rolls_.push_back(static_cast<std::uint16_t>(s));
            std::size_t i = 1;
            for (std::size_t f = kFaces; f-- > 0;) {
                for (u8 n = 0; n < k[f]; ++n) {
                    sorted_[s](i++) = static_cast<Face>(f + 1);
                }
            }
        }
    }
    outcomeStart_.push_back(static_cast<std::uint32_t>(outcomes_.size()));
    smallerStart_.push_back(static_cast<std::uint32_t>(smaller_.size()));
}

std::size_t DiceSpace::index(const Counts& c) const {
    return code_[codeOf(c)];
}

std::span<const DiceSpace::Outcome> DiceSpace::outcomes(std::size_t keep) const {
    return std::span(outcomes_).subspan(outcomeStart_[keep],
                                        outcomeStart_[keep + 1] - outcomeStart_[keep]);
}

std::span<const std::uint16_t> DiceSpace::smaller(std::size_t set) const {
    return std::span(smaller_).subspan(smallerStart_[set],
                                       smallerStart_[set + 1] - smallerStart_[set]);
}

} // namespace kvint::coach
