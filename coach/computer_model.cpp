#include "coach/computer_model.h"

#include "coach/headless.h"
#include "computer/computer.h"
#include "game/game.h"

#include <algorithm>
#include <bit>

namespace kvint::coach {
namespace {

// Turns are counted up to this; a column the chain cannot finish costs it.
constexpr float kTurnCap = 60.0F;
constexpr int kTurnsPerGameLimit = 200;
constexpr std::array<std::size_t, 4> kReadCategories = {cat::dva_tri, cat::tri_dva, cat::strit,
                                                        cat::care};

struct Tally {
    std::array<int, kCategories> free{};
    std::array<int, kCategories> filled{};
    std::array<int, kCategories> points{};
};

// The computer alone on a scratch game, its column from empty to full, the
// person's column fixed and never complete.
void playAlone(Game& game, Computer& computer, Tally& tally) {
    State& st = game.state();
    st.compscore = {};
    for (int turn = 0; turn < kTurnsPerGameLimit && !columnComplete(st.compscore); ++turn) {
        const Column before = st.compscore;
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
            Case c;
            std::array<float, kCategories> p{};
            for (std::size_t k = 0; k < kCategories; ++k) {
                const int free = std::max(tally.free[k], 1);
                p[k] = static_cast<float>(tally.filled[k]) / static_cast<float>(free);
                c.points[k] = tally.filled[k] == 0 ? 0.0F
                                                   : static_cast<float>(tally.points[k]) /
                                                         static_cast<float>(tally.filled[k]);
            }
            c.turns = raceTurns(p);
            cases_.push_back(std::move(c));
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

float ComputerModel::points(u8 level, const Column& left, FreeSet free) const {
    const Case& c = caseOf(level, left);
    float sum = 0.0F;
    for (std::size_t k = 0; k < kCategories; ++k) {
        if ((free >> k) & 1U) {
            sum += c.points[k];
        }
    }
    return sum;
}

} // namespace kvint::coach
