#include "coach/computer_model.h"

#include "coach/headless.h"
#include "computer/computer.h"
#include "game/game.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <utility>

namespace kvint::coach {
namespace {

// Turns are counted up to this; a column the chain cannot finish costs it.
constexpr float kTurnCap = 60.0F;
constexpr int kTurnsPerGameLimit = 200;
constexpr std::array<std::size_t, 4> kReadCategories = {cat::dva_tri, cat::tri_dva, cat::strit,
                                                        cat::care};

} // namespace

struct ComputerModel::Tally {
    std::array<int, kCategories> free{};
    std::array<int, kCategories> filled{};
    std::array<int, kCategories> points{};
    // Each turn's free set, and the turns the column then still took.
    std::vector<std::pair<FreeSet, int>> remaining;
};

namespace {

// The computer alone on a scratch game, its column from empty to full, the
// person's column fixed and never complete.
void playAlone(Game& game, Computer& computer, ComputerModel::Tally& tally) {
    State& st = game.state();
    st.compscore = {};
    const std::size_t first = tally.remaining.size();
    int turns = 0;
    for (; turns < kTurnsPerGameLimit && !columnComplete(st.compscore); ++turns) {
        const Column before = st.compscore;
        tally.remaining.emplace_back(freeSet(before), turns);
        computer.broskom();
        for (std::size_t k = 1; k <= kCategories; ++k) {
            if (before(k) != 0) {
                continue;
            }
            ++tally.free[k - 1];
            if (st.compscore(k) != 0) {
                ++tally.filled[k - 1];
                tally.points[k - 1] += st.compscore(k);
            }
        }
    }
    for (std::size_t i = first; i < tally.remaining.size(); ++i) {
        tally.remaining[i].second = turns - tally.remaining[i].second;
    }
}

// The chances hold on average over a game, not in each state: the turns are
// scaled, for each number of free categories, to what the games took.
void calibrate(std::vector<float>& turns, const ComputerModel::Tally& tally) {
    std::array<double, kCategories + 1> took{};
    std::array<double, kCategories + 1> modelled{};
    for (const auto& [set, left] : tally.remaining) {
        const auto n = static_cast<std::size_t>(std::popcount(set));
        took[n] += left;
        modelled[n] += turns[set];
    }
    for (FreeSet set = 1; set <= kAllFree; ++set) {
        const auto n = static_cast<std::size_t>(std::popcount(set));
        if (modelled[n] > 0.0) {
            turns[set] = std::min(kTurnCap, static_cast<float>(turns[set] * took[n] / modelled[n]));
        }
    }
}

// Expected turns to write every category of each free set, each turn
// writing category k with chance p[k] (at most one of them).
std::vector<float> raceTurns(const std::array<float, kCategories>& p) {
    std::vector<float> turns(kAllFree + 1, 0.0F);
    for (FreeSet set = 1; set <= kAllFree; ++set) {
        float total = 0.0F;
        float next = 0.0F;
        for (std::size_t k = 0; k < kCategories; ++k) {
            if ((set >> k) & 1U) {
                total += p[k];
                next += p[k] * turns[set & ~(1U << k)];
            }
        }
        if (total <= 0.0F) {
            turns[set] = kTurnCap;
            continue;
        }
        turns[set] = std::min(kTurnCap, 1.0F / std::min(total, 1.0F) + next / total);
    }
    return turns;
}

} // namespace

ComputerModel::Case ComputerModel::caseOf(const Tally& tally) {
    Case c;
    std::array<float, kCategories> p{};
    for (std::size_t k = 0; k < kCategories; ++k) {
        p[k] = static_cast<float>(tally.filled[k]) / static_cast<float>(std::max(tally.free[k], 1));
        c.points[k] = tally.filled[k] == 0 ? 0.0F
                                           : static_cast<float>(tally.points[k]) /
                                                 static_cast<float>(tally.filled[k]);
    }
    c.turns = raceTurns(p);
    const float modelled = c.turns[kAllFree];
    calibrate(c.turns, tally);
    // The chances per turn, slowed as the calibration slowed the race.
    const float slower = c.turns[kAllFree] / modelled;
    for (std::size_t k = 0; k < kCategories; ++k) {
        c.missed[k] = 1.0F - p[k] / slower;
    }
    return c;
}

FreeSet freeSet(const Column& column) {
    FreeSet set = 0;
    for (std::size_t k = 1; k <= kCategories; ++k) {
        if (column(k) == 0) {
            set |= 1U << (k - 1);
        }
    }
    return set;
}

ComputerModel::ComputerModel(int gamesPerCase) {
    HeadlessPlatform platform(0x6b76696e74ULL);
    Game game(platform, {});
    Computer computer(game.board());
    State& st = game.state();
    for (std::size_t level = 0; level < kLevels; ++level) {
        for (std::size_t flags = 0; flags < kFlags; ++flags) {
            st.level = static_cast<u8>(level);
            st.mayscore = {};
            for (std::size_t b = 0; b < kReadCategories.size(); ++b) {
                st.mayscore(kReadCategories[b]) = static_cast<u8>((flags >> b) & 1U);
            }
            Tally tally;
            for (int g = 0; g < gamesPerCase; ++g) {
                playAlone(game, computer, tally);
            }
            cases_.push_back(caseOf(tally));
        }
    }
}

const ComputerModel::Case& ComputerModel::caseOf(u8 level, const Column& left) const {
    std::size_t flags = 0;
    for (std::size_t b = 0; b < kReadCategories.size(); ++b) {
        flags |= static_cast<std::size_t>(left(kReadCategories[b]) != 0) << b;
    }
    return cases_[std::min<std::size_t>(level, kLevels - 1) * kFlags + flags];
}

float ComputerModel::turns(u8 level, const Column& left, FreeSet free) const {
    return caseOf(level, left).turns[free];
}

float ComputerModel::pointsWithin(u8 level, const Column& left, FreeSet free, float turns) const {
    const Case& c = caseOf(level, left);
    float sum = 0.0F;
    for (std::size_t k = 0; k < kCategories; ++k) {
        if ((free >> k) & 1U) {
            sum += c.points[k] * (1.0F - std::pow(c.missed[k], turns));
        }
    }
    return sum;
}

} // namespace kvint::coach
