// What the coach advises over many random positions of both modes, the
// correction of its race model, and the duel it plays through the game.
#include "coach/duel.h"
#include "coach/race_correction.h"
#include "game/categories.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace kvint::coach {
namespace {

// Built once: its tables take a second or more.
const Coach& coach() {
    static const Coach c;
    return c;
}

Column randomColumn(std::mt19937& gen) {
    Column c;
    for (std::size_t k = 1; k <= kCategories; ++k) {
        if (gen() % 2 != 0) {
            c(k) = static_cast<u8>(1 + gen() % 36);
        }
    }
    return c;
}

Position randomPosition(std::mt19937& gen) {
    Position p;
    p.mode = static_cast<u8>(gen() % 2);
    p.level = static_cast<u8>(gen() % 3);
    p.side = p.mode == 1 && gen() % 2 != 0 ? Side::right : Side::left;
    p.roll = static_cast<u8>(1 + gen() % 3);
    p.left = randomColumn(gen);
    p.right = randomColumn(gen);
    for (Face& f : p.dice) {
        f = static_cast<Face>(1 + gen() % 6);
    }
    return p;
}

std::vector<Decision> everyEntryAndPass() {
    std::vector<Decision> all{Decision{}};
    for (std::size_t k = 1; k <= kCategories; ++k) {
        all.push_back({Decision::Kind::write, {}, k});
    }
    return all;
}

TEST(CoachAdvice, IsAllowedAndTheBestItKnowsOf) {
    std::mt19937 gen(20261208);
    for (int i = 0; i < 400; ++i) {
        const Position p = randomPosition(gen);
        const Advice a = coach().advise(p);
        ASSERT_TRUE(allowed(p, a.decision)) << i;
        ASSERT_GE(a.win, 0.0);
        ASSERT_LE(a.win, 1.0);
        EXPECT_NEAR(coach().winAfter(p, a.decision), a.win, 1e-6) << i;
        if (a.decision.kind == Decision::Kind::write) {
            const Column& mine = p.side == Side::left ? p.left : p.right;
            Dice sorted = p.dice;
            std::sort(sorted.begin(), sorted.end(), std::greater<>());
            EXPECT_EQ(mine(a.decision.category), 0) << i;
            EXPECT_TRUE(categoryPoints(a.decision.category, sorted).has_value()) << i;
        }
        if (a.decision.kind == Decision::Kind::reroll) {
            EXPECT_LT(p.roll, 3) << i;
        }
        for (const Decision& d : everyEntryAndPass()) {
            if (allowed(p, d)) {
                EXPECT_LE(coach().winAfter(p, d), a.win + 1e-6) << i;
            }
        }
        // Before the first roll the dice show nothing to re-roll or write.
        Position unrolled = p;
        unrolled.dice = {};
        EXPECT_EQ(coach().advise(unrolled).decision, Decision{}) << i;
    }
}

TEST(CoachAdvice, ADecidedGameIsJudgedOnTheTotals) {
    Position p;
    p.roll = 3;
    for (std::size_t k = 1; k <= kCategories; ++k) {
        p.left(k) = k == cat::kvint ? 0 : 20;
        p.right(k) = 19;
    }
    p.dice = Dice{{6, 6, 6, 6, 6, 5}};
    // Writing "kvint" fills the left column and ends the game at once: won.
    const Advice a = coach().advise(p);
    EXPECT_EQ(a.decision, (Decision{Decision::Kind::write, {}, cat::kvint}));
    EXPECT_EQ(a.win, 1.0);
    p.right(1) = 255; // however much the entry gives, the game is then lost
    EXPECT_EQ(coach().winAfter(p, a.decision), 0.0);
}

TEST(CoachDuel, TheSameSeedPlaysTheSameGames) {
    const auto play = [](u8 level, std::uint64_t seed) {
        std::vector<Position> asked;
        const DuelResult r =
            duel(coach(), level, 3, seed, [&](const Position& p) { asked.push_back(p); });
        EXPECT_EQ(r.won + r.drawn + r.lost, 3);
        EXPECT_GT(asked.size(), 3U * 11U); // at least an entry per category each game
        return std::pair(r, asked);
    };
    for (u8 level : {strength::novice, strength::master, strength::pro}) {
        const auto first = play(level, 5);
        EXPECT_EQ(play(level, 5), first);
        EXPECT_NE(play(level, 6).second, first.second);
    }
    EXPECT_EQ(duel(coach(), strength::pro, 2, 9), duel(coach(), strength::pro, 2, 9));
}

// The race model's correction: plain wherever no curve was learnt, and
// where one was, a chance that still orders positions as the model does.
TEST(CoachRaceCorrection, KeepsTheModelsChanceButAgainstProfiAndItsOrderThere) {
    const RaceCorrection plain;
    const RaceCorrection learnt = RaceCorrection::learnt();
    std::mt19937 gen(8122026);
    int moved = 0;
    for (int i = 0; i < 200; ++i) {
        const Column mine = randomColumn(gen);
        const Column theirs = randomColumn(gen);
        float before = 0.0F;
        for (const float model : {1e-5F, 0.01F, 0.2F, 0.5F, 0.8F, 0.99F}) {
            for (const u8 level : {strength::master, strength::novice, strength::pro}) {
                ASSERT_EQ(plain.chance(level, mine, theirs, model), model);
                if (level != strength::pro) {
                    ASSERT_EQ(learnt.chance(level, mine, theirs, model), model);
                }
            }
            const float pro = learnt.chance(strength::pro, mine, theirs, model);
            ASSERT_GE(pro, before) << i << " " << model;
            moved += std::abs(pro - model) > 0.01F ? 1 : 0;
            before = pro;
        }
    }
    EXPECT_GT(moved, 100); // the curve is read, not the plain one
}

} // namespace
} // namespace kvint::coach
