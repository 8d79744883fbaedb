#include "coach/computer_chain.h"

#include <algorithm>
#include <bit>
#include <map>
#include <utility>

namespace kvint::coach {
namespace {

std::span<const ComputerModel::Outcome> turnsFrom(const ComputerModel& computer, FreeSet free) {
    return computer.outcomes(strength::novice, Column{}, free);
}

FreeSet without(FreeSet free, std::size_t k) {
    return free & ~(1U << (k - 1));
}

// The chance that the computer's column, from empty, ever has just `free`
// free; by free set.
std::vector<double> passedThrough(const ComputerModel& computer) {
    std::vector<double> reach(kAllFree + 1, 0.0);
    reach[kAllFree] = 1.0;
    for (int n = kCategories; n > 1; --n) {
        for (FreeSet free = 1; free <= kAllFree; ++free) {
            if (std::popcount(free) != n || reach[free] == 0.0) {
                continue;
            }
            double writes = 0.0;
            for (const ComputerModel::Outcome& o : turnsFrom(computer, free)) {
                writes += o.p;
            }
            for (const ComputerModel::Outcome& o : turnsFrom(computer, free)) {
                reach[without(free, o.k)] += reach[free] * o.p / writes;
            }
        }
    }
    return reach;
}

} // namespace

std::vector<FreeSet> subsetsBySize(FreeSet mask) {
    std::vector<FreeSet> out;
    for (FreeSet s = mask; s != 0; s = (s - 1) & mask) {
        out.push_back(s);
    }
    std::stable_sort(out.begin(), out.end(),
                     [](FreeSet a, FreeSet b) { return std::popcount(a) < std::popcount(b); });
    return out;
}

float ComputerChain::stay(std::uint32_t state) const {
    float left = 1.0F;
    for (const Step& s : steps[state]) {
        left -= s.p;
    }
    return std::max(left, 0.0F);
}

ComputerChain ComputerChain::exact(const ComputerModel& computer, FreeSet mask) {
    const std::vector<FreeSet> order = subsetsBySize(mask);
    ComputerChain chain;
    chain.stateOf.assign(kAllFree + 1, kFull);
    for (std::size_t i = 0; i < order.size(); ++i) {
        chain.stateOf[order[i]] = static_cast<std::uint32_t>(i);
    }
    for (FreeSet free : order) {
        std::vector<Step>& steps = chain.steps.emplace_back();
        for (const ComputerModel::Outcome& o : turnsFrom(computer, free)) {
            steps.push_back({chain.stateOf[without(free, o.k)], o.points, o.p});
        }
    }
    return chain;
}

ComputerChain ComputerChain::folded(const ComputerModel& computer) {
    const std::vector<double> reach = passedThrough(computer);
    ComputerChain chain;
    chain.stateOf.assign(kAllFree + 1, kFull);
    std::vector<std::vector<FreeSet>> members;
    for (int n = 1; n <= static_cast<int>(kCategories); ++n) {
        std::vector<FreeSet> sets;
        for (FreeSet free = 1; free <= kAllFree; ++free) {
            if (std::popcount(free) == n) {
                sets.push_back(free);
            }
        }
        if (n <= kExactUpTo || n == static_cast<int>(kCategories)) {
            for (FreeSet free : sets) {
                members.push_back({free});
            }
            continue;
        }
        std::vector<std::pair<float, FreeSet>> byTurns;
        byTurns.reserve(sets.size());
        for (FreeSet free : sets) {
            byTurns.emplace_back(computer.turns(strength::novice, Column{}, free), free);
        }
        std::sort(byTurns.begin(), byTurns.end());
        for (std::size_t c = 0; c < kClasses; ++c) {
            std::vector<FreeSet>& cls = members.emplace_back();
            for (std::size_t i = c * sets.size() / kClasses; i < (c + 1) * sets.size() / kClasses;
                 ++i) {
                cls.push_back(byTurns[i].second);
            }
        }
    }
    for (std::size_t i = 0; i < members.size(); ++i) {
        for (FreeSet free : members[i]) {
            chain.stateOf[free] = static_cast<std::uint32_t>(i);
        }
    }
    for (const std::vector<FreeSet>& cls : members) {
        double weight = 0.0;
        for (FreeSet free : cls) {
            weight += reach[free];
        }
        std::map<std::pair<std::uint32_t, int>, double> goes;
        for (FreeSet free : cls) {
            const double share =
                weight > 0.0 ? reach[free] / weight : 1.0 / static_cast<double>(cls.size());
            for (const ComputerModel::Outcome& o : turnsFrom(computer, free)) {
                const FreeSet rest = without(free, o.k);
                goes[{rest == 0 ? kFull : chain.stateOf[rest], o.points}] += share * o.p;
            }
        }
        std::vector<Step>& steps = chain.steps.emplace_back();
        for (const auto& [to, p] : goes) {
            steps.push_back({to.first, to.second, static_cast<float>(p)});
        }
    }
    return chain;
}

} // namespace kvint::coach
