// The coach's figures: the time its tables take, the duel at each strength
// (GAMES games, seed 1), the time of one answer over a fixed set of
// positions from those duels (every 7th asked), as median and 99th
// percentile, and the same duels played by the one-turn player, which
// re-rolls exactly for the most points of this turn.
#include "coach/duel.h"
#include "coach/solo.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

void report(const char* who, kvint::u8 level, int games, const kvint::coach::DuelResult& r,
            double secs) {
    std::printf("%s level %d games %d won %d drawn %d lost %d score %.2f %% in %.1f s\n", who,
                level, games, r.won, r.drawn, r.lost, 100.0 * (r.won + 0.5 * r.drawn) / games,
                secs);
}

// Every keep chosen exactly for the points of this turn, each entry worth its
// points and a pass nothing.
class OneTurn {
  public:
    [[nodiscard]] kvint::coach::Decision decide(const kvint::coach::Position& p) const {
        using namespace kvint::coach;
        const std::size_t roll = space_.index(countsOf(p.dice));
        Values end{};
        endValues(
            space_, points_, freeSet(p.left), 0.0F,
            [](std::size_t, int points) { return static_cast<float>(points); }, end);
        Values keep{};
        if (p.roll < 3) {
            keepValues(space_, end, keep);
        }
        if (p.roll == 1) {
            Values second{};
            rollValues(space_, end, keep, second);
            keepValues(space_, second, keep);
        }
        Decision best{};
        float value = 0.0F;
        for (std::size_t k = 1; k <= kvint::kCategories; ++k) {
            const int pts = points_.points(roll, k);
            if (p.left(k) == 0 && static_cast<float>(pts) > value) {
                best = {Decision::Kind::write, {}, k};
                value = static_cast<float>(pts);
            }
        }
        for (std::uint16_t k :
             p.roll < 3 ? properKeeps(space_, roll) : std::vector<std::uint16_t>{}) {
            if (keep[k] > value) {
                value = keep[k];
                best = {Decision::Kind::reroll, rerollFor(p.dice, space_.counts(k)), 0};
            }
        }
        return best;
    }

  private:
    static std::array<bool, kvint::kDice> rerollFor(const kvint::Dice& dice,
                                                    kvint::coach::Counts keep) {
        std::array<bool, kvint::kDice> reroll{};
        for (std::size_t i = 1; i <= kvint::kDice; ++i) {
            auto& left = keep[static_cast<std::size_t>(dice(i) - 1)];
            reroll[i - 1] = left == 0;
            if (left > 0) {
                --left;
            }
        }
        return reroll;
    }

    kvint::coach::DiceSpace space_;
    kvint::coach::PointsTable points_{space_};
};

} // namespace

int main(int argc, char** argv) {
    const int games = argc > 1 ? std::atoi(argv[1]) : 1000;
    const auto start = Clock::now();
    const kvint::coach::Coach coach;
    std::printf("tables %.3f s\n", seconds(start));
    std::vector<kvint::coach::Position> positions;
    std::size_t asked = 0;
    const auto keep = [&](const kvint::coach::Position& p) {
        if (asked++ % 7 == 0) {
            positions.push_back(p);
        }
    };
    for (kvint::u8 level :
         {kvint::strength::novice, kvint::strength::master, kvint::strength::pro}) {
        const auto s = Clock::now();
        const auto r = kvint::coach::duel(coach, level, games, 1, keep);
        report("coach", level, games, r, seconds(s));
    }
    std::vector<double> ms;
    for (const auto& p : positions) {
        const auto s = Clock::now();
        const auto a = coach.advise(p);
        ms.push_back(seconds(s) * 1000.0);
        if (a.win < 0.0) {
            return 1;
        }
    }
    const OneTurn oneTurn;
    const kvint::coach::Player player = [&](const kvint::coach::Position& p) {
        return oneTurn.decide(p);
    };
    for (kvint::u8 level :
         {kvint::strength::novice, kvint::strength::master, kvint::strength::pro}) {
        const auto s = Clock::now();
        const auto r = kvint::coach::duel(player, level, games, 1);
        report("one-turn", level, games, r, seconds(s));
    }
    std::sort(ms.begin(), ms.end());
    if (!ms.empty()) {
        std::printf("advise over %zu positions: median %.3f ms, p99 %.3f ms\n", ms.size(),
                    ms[ms.size() / 2], ms[ms.size() * 99 / 100]);
    }
}
