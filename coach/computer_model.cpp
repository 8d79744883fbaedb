#include "coach/computer_model.h"

#include <algorithm>
#include <cmath>

namespace kvint::coach {

ComputerModel::ComputerModel() {
    std::span<const std::uint32_t> table = turnTable();
    for (Case& c : cases_) {
        c = caseOf(table);
        chain(c);
    }
}

// One case's outcomes, read off the front of the table.
ComputerModel::Case ComputerModel::caseOf(std::span<const std::uint32_t>& table) {
    Case c;
    c.start.assign(kAllFree + 2, 0);
    for (FreeSet free = 1; free <= kAllFree; ++free) {
        c.start[free] = c.outcomes.size();
        const std::size_t n = table.empty() ? 0 : table.front();
        for (std::size_t i = 1; i <= n && i < table.size(); ++i) {
            const TurnTally t = unpack(table[i]);
            c.outcomes.push_back({t.outcome.k, t.outcome.points,
                                  static_cast<float>(t.count) / static_cast<float>(kTurnSamples)});
        }
        table = table.subspan(std::min(n + 1, table.size()));
    }
    c.start[kAllFree + 1] = c.outcomes.size();
    return c;
}

// The chain over the subsets: each free set's chances after t turns from
// those after t - 1 turns of the sets its first turn may leave.
void ComputerModel::chain(Case& c) {
    c.full.assign((kHorizon + 1) * (kAllFree + 1), 0.0F);
    c.points.assign((kHorizon + 1) * (kAllFree + 1), 0.0F);
    for (std::size_t t = 0; t <= kHorizon; ++t) {
        c.full[at(t, 0)] = 1.0F;
    }
    for (std::size_t t = 1; t <= kHorizon; ++t) {
        for (FreeSet free = 1; free <= kAllFree; ++free) {
            float stay = 1.0F;
            float full = 0.0F;
            float points = 0.0F;
            for (std::size_t i = c.start[free]; i < c.start[free + 1]; ++i) {
                const Outcome& o = c.outcomes[i];
                const FreeSet rest = free & ~(1U << (o.k - 1));
                stay -= o.p;
                full += o.p * c.full[at(t - 1, rest)];
                points += o.p * (static_cast<float>(o.points) + c.points[at(t - 1, rest)]);
            }
            stay = std::max(stay, 0.0F);
            c.full[at(t, free)] = full + stay * c.full[at(t - 1, free)];
            c.points[at(t, free)] = points + stay * c.points[at(t - 1, free)];
        }
    }
}

float ComputerModel::turns(u8 level, const Column& left, FreeSet free) const {
    const Case& c = cases_[computerCase(level, left)];
    float sum = 0.0F;
    for (std::size_t t = 0; t < kHorizon; ++t) {
        sum += 1.0F - c.full[at(t, free)];
    }
    return sum;
}

float ComputerModel::fullWithin(u8 level, const Column& left, FreeSet free,
                                std::size_t turns) const {
    return cases_[computerCase(level, left)].full[at(std::min(turns, kHorizon), free)];
}

float ComputerModel::turnsFor(u8 level, const Column& left, FreeSet free, float sure) const {
    const Case& c = cases_[computerCase(level, left)];
    float before = 0.0F;
    for (std::size_t t = 1; t <= kHorizon; ++t) {
        const float now = c.full[at(t, free)];
        if (now >= sure) {
            return static_cast<float>(t - 1) + (sure - before) / std::max(now - before, 1e-6F);
        }
        before = now;
    }
    return static_cast<float>(kHorizon);
}

float ComputerModel::pointsWithin(u8 level, const Column& left, FreeSet free, float turns) const {
    const Case& c = cases_[computerCase(level, left)];
    const float t = std::clamp(turns, 0.0F, static_cast<float>(kHorizon));
    const auto lo = static_cast<std::size_t>(std::floor(t));
    const float a = c.points[at(lo, free)];
    if (lo == kHorizon) {
        return a;
    }
    return a + (t - static_cast<float>(lo)) * (c.points[at(lo + 1, free)] - a);
}

std::span<const ComputerModel::Outcome> ComputerModel::outcomes(u8 level, const Column& left,
                                                                FreeSet free) const {
    const Case& c = cases_[computerCase(level, left)];
    return std::span(c.outcomes).subspan(c.start[free], c.start[free + 1] - c.start[free]);
}

} // namespace kvint::coach
