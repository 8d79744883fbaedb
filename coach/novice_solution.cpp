#include "coach/novice_solution.h"

#include "coach/on_totals.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cmath>
#include <thread>

namespace kvint::coach {
namespace {

constexpr int kReach = NoviceSolution::kReach;
constexpr std::size_t kMargins = NoviceSolution::kMargins;
// The fixed point of a turn counts as found when no margin's value moves by
// more than this.
constexpr float kSettled = 5e-5F;
constexpr int kMostRounds = 16;

std::size_t marginAt(int margin) {
    return static_cast<std::size_t>(std::clamp(margin, -kReach, kReach) + kReach);
}

// The place of a subset among the subsets of `mask`, its bits packed.
std::size_t packed(FreeSet subset, FreeSet mask) {
    std::size_t out = 0;
    std::size_t bit = 0;
    for (std::size_t k = 0; k < kCategories; ++k) {
        if (((mask >> k) & 1U) != 0) {
            out |= static_cast<std::size_t>((subset >> k) & 1U) << bit++;
        }
    }
    return out;
}

} // namespace

struct NoviceSolution::Scratch {
    explicit Scratch(std::size_t states)
        : value(states * kMargins), end(DiceSpace::kSets * kMargins), keep(end.size()),
          second(end.size()), first(end.size()), turn(kMargins) {}
    std::vector<float> value; // [state]: the person's turn with the computer in it
    std::vector<float> end;   // [set]: ending the turn with each roll
    std::vector<float> keep;  // [set]: keeping it and re-rolling, then the best part
    std::vector<float> second;
    std::vector<float> first;
    std::vector<float> turn; // the person's turn from its first roll
};

NoviceSolution::NoviceSolution(const DiceSpace& space, const PointsTable& points,
                               const ComputerChain& computer, FreeSet mine, unsigned threads)
    : space_(space), points_(points), computer_(computer), mine_(mine), up_(DiceSpace::kSets),
      after_((std::size_t{1} << std::popcount(mine)) * computer.states() * kMargins) {
    for (std::size_t set = 0; set < DiceSpace::kSets; ++set) {
        for (std::size_t face = 0; face < 6 && space.size(set) < kDice; ++face) {
            Counts c = space.counts(set);
            ++c[face];
            up_[set][face] = static_cast<std::uint16_t>(space.index(c));
        }
    }
    // A free set's positions need only those of its subsets: the sets of
    // one size are solved side by side.
    const std::vector<FreeSet> order = subsetsBySize(mine);
    std::size_t from = 0;
    while (from < order.size()) {
        std::size_t to = from;
        while (to < order.size() && std::popcount(order[to]) == std::popcount(order[from])) {
            ++to;
        }
        std::atomic<std::size_t> next{from};
        const auto work = [&] {
            Scratch s(computer_.states());
            for (std::size_t j = next++; j < to; j = next++) {
                solveMine(s, order[j]);
            }
        };
        {
            std::vector<std::jthread> pool;
            for (unsigned t = 0; t < std::max(threads, 1U); ++t) {
                pool.emplace_back(work);
            }
        }
        from = to;
    }
}

std::size_t NoviceSolution::at(FreeSet mine, std::uint32_t state) const {
    return (packed(mine, mine_) * computer_.states() + state) * kMargins;
}

float NoviceSolution::afterTurn(FreeSet mine, FreeSet theirs, int margin) const {
    return after_[at(mine, computer_.stateOf[theirs]) + marginAt(margin)];
}

std::span<const float> NoviceSolution::curve(FreeSet mine, std::uint32_t state) const {
    return {&after_[at(mine, state)], kMargins};
}

void NoviceSolution::solveMine(Scratch& s, FreeSet mine) {
    for (std::uint32_t state = 0; state < computer_.states(); ++state) {
        solve(s, mine, state);
    }
}

// The computer's move from `state` at each margin once the person's turn has
// ended; `self` is the person's next turn when the computer writes nothing.
void NoviceSolution::computerMove(const Scratch& s, std::uint32_t state, const float* self,
                                  float* out) const {
    std::fill(out, out + kMargins, 0.0F);
    for (const ComputerChain::Step& step : computer_.steps[state]) {
        const bool full = step.next == ComputerChain::kFull;
        const float* next = full ? nullptr : &s.value[step.next * kMargins];
        for (std::size_t i = 0; i < kMargins; ++i) {
            const int m = static_cast<int>(i) - kReach - step.points;
            out[i] += step.p * (full ? onTotals(m) : next[marginAt(m)]);
        }
    }
    const float stay = computer_.stay(state);
    for (std::size_t i = 0; i < kMargins; ++i) {
        out[i] += stay * self[i];
    }
}

// One re-roll earlier: each roll's value is ending the turn with it or the
// best keep of a proper part, a keep worth the mean of the sets one die
// larger.
void NoviceSolution::rollLayer(Scratch& s, const float* later, float* out) const {
    const auto bySize = space_.bySize();
    for (std::size_t j = bySize.size(); j-- > 0;) {
        const std::size_t set = bySize[j];
        float* k = &s.keep[set * kMargins];
        if (space_.size(set) == kDice) {
            std::copy_n(&later[set * kMargins], kMargins, k);
            continue;
        }
        std::array<const float*, 6> v{};
        for (std::size_t face = 0; face < 6; ++face) {
            v[face] = &s.keep[up_[set][face] * kMargins];
        }
        for (std::size_t i = 0; i < kMargins; ++i) {
            k[i] = (v[0][i] + v[1][i] + v[2][i] + v[3][i] + v[4][i] + v[5][i]) * (1.0F / 6.0F);
        }
    }
    const auto best = [&](float* into, std::size_t less) {
        const float* b = &s.keep[less * kMargins];
        for (std::size_t i = 0; i < kMargins; ++i) {
            into[i] = std::max(into[i], b[i]);
        }
    };
    for (std::uint16_t set : bySize) {
        if (space_.size(set) < kDice) {
            for (std::uint16_t less : space_.smaller(set)) {
                best(&s.keep[set * kMargins], less);
            }
        }
    }
    for (std::uint16_t roll : space_.rolls()) {
        float* o = &out[roll * kMargins];
        std::copy_n(&s.end[roll * kMargins], kMargins, o);
        for (std::uint16_t less : space_.smaller(roll)) {
            best(o, less);
        }
    }
}

// The person's turn from its first roll into s.turn, passing worth `pass`.
void NoviceSolution::turn(Scratch& s, FreeSet mine, std::uint32_t state, const float* pass) const {
    for (std::uint16_t roll : space_.rolls()) {
        float* e = &s.end[roll * kMargins];
        std::copy_n(pass, kMargins, e);
        for (std::size_t k = 1; k <= kCategories; ++k) {
            const int p = points_.points(roll, k);
            if (((mine >> (k - 1)) & 1U) == 0 || p <= 0) {
                continue;
            }
            const FreeSet rest = mine & ~(1U << (k - 1));
            const float* a = rest == 0 ? nullptr : &after_[at(rest, state)];
            for (std::size_t i = 0; i < kMargins; ++i) {
                const int m = static_cast<int>(i) - kReach + p;
                e[i] = std::max(e[i], a == nullptr ? onTotals(m) : a[marginAt(m)]);
            }
        }
    }
    rollLayer(s, s.end.data(), s.second.data());
    rollLayer(s, s.second.data(), s.first.data());
    std::fill(s.turn.begin(), s.turn.end(), 0.0F);
    for (const DiceSpace::Outcome& o : space_.outcomes(space_.index(Counts{}))) {
        for (std::size_t i = 0; i < kMargins; ++i) {
            s.turn[i] += o.p * s.first[o.roll * kMargins + i];
        }
    }
}

void NoviceSolution::solve(Scratch& s, FreeSet mine, std::uint32_t state) {
    // Passing is worth what the computer's move writes, plus its chance of
    // writing nothing times this very turn's value x: x solves x = turn(x).
    std::array<float, kMargins> zero{};
    std::array<float, kMargins> written{};
    computerMove(s, state, zero.data(), written.data());
    const float stay = computer_.stay(state);
    float* x = &s.value[state * kMargins];
    std::fill(x, x + kMargins, 0.5F);
    std::array<float, kMargins> pass{};
    std::array<float, kMargins> xBefore{};
    std::array<float, kMargins> gBefore{};
    for (int round = 0; round < kMostRounds; ++round) {
        for (std::size_t i = 0; i < kMargins; ++i) {
            pass[i] = written[i] + stay * x[i];
        }
        turn(s, mine, state, pass.data());
        float moved = 0.0F;
        for (std::size_t i = 0; i < kMargins; ++i) {
            const float g = s.turn[i] - x[i];
            moved = std::max(moved, std::fabs(g));
            float next = s.turn[i];
            if (round > 0 && std::fabs(g - gBefore[i]) > 1e-9F) {
                next = x[i] - g * (x[i] - xBefore[i]) / (g - gBefore[i]);
            }
            xBefore[i] = x[i];
            gBefore[i] = g;
            x[i] = std::clamp(next, 0.0F, 1.0F);
        }
        if (moved < kSettled) {
            break;
        }
    }
    computerMove(s, state, x, &after_[at(mine, state)]);
    if (mine == kAllFree && state == computer_.stateOf[kAllFree]) {
        start_ = x[kReach];
    }
}

} // namespace kvint::coach
