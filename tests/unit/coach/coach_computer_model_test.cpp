// The computer's model against its chain played afresh on a scratch game,
// with another seed than the table's: a chain changed since the table was
// made, a table read wrongly or a slip in the chain over the subsets shows
// as a chance or a length of game off by far more than the sampling allows.
#include "coach/computer_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace kvint::coach {
namespace {

constexpr std::uint64_t kSeed = 12345;

// A person's column as each case of the chain reads it.
Column leftFor(std::size_t computerCase) {
    Column left{};
    if (computerCase == 3) {
        left(cat::dva_tri) = 30;
        left(cat::tri_dva) = 28;
    }
    return left;
}

u8 levelFor(std::size_t computerCase) {
    return computerCase == 0   ? strength::master
           : computerCase == 1 ? strength::novice
                               : strength::pro;
}

// Within this many standard errors of the two samples together.
bool near(double seen, int n, double expected) {
    expected = std::clamp(expected, 0.0, 1.0); // sums of float chances may stray by a rounding
    const double variance = expected * (1.0 - expected) * (1.0 / n + 1.0 / kTurnSamples);
    return std::abs(seen - expected) <= 4.5 * std::sqrt(variance) + 1e-3;
}

TEST(CoachComputerModel, AgreesWithTheChainPlayedAfresh) {
    const ComputerModel model;
    ScratchComputer computer(kSeed);
    constexpr std::array<FreeSet, 5> kSets = {kAllFree, 0b10000000001U, 0b11100000000U,
                                              0b00001110101U, 0b01000000000U};
    constexpr int kTurns = 2000;
    for (std::size_t c = 0; c < kComputerCases; ++c) {
        const Column left = leftFor(c);
        EXPECT_EQ(computerCase(levelFor(c), left), c);
        for (FreeSet free : kSets) {
            std::array<int, kCategories + 1> seen{};
            for (int i = 0; i < kTurns; ++i) {
                ++seen[computer.play(c, free).k];
            }
            std::array<double, kCategories + 1> expected{};
            expected[0] = 1.0;
            for (const ComputerModel::Outcome& o : model.outcomes(levelFor(c), left, free)) {
                expected[o.k] += o.p;
                expected[0] -= o.p;
            }
            for (std::size_t k = 0; k <= kCategories; ++k) {
                EXPECT_TRUE(near(static_cast<double>(seen[k]) / kTurns, kTurns, expected[k]))
                    << "case " << c << " free " << free << " category " << k << ": " << seen[k]
                    << " of " << kTurns << ", model " << expected[k];
            }
        }
        // Whole columns from empty to full: the mean number of turns.
        constexpr int kGames = 200;
        double sum = 0.0;
        double squares = 0.0;
        for (int g = 0; g < kGames; ++g) {
            int turns = 0;
            for (FreeSet free = kAllFree; free != 0 && turns < 500; ++turns) {
                const TurnOutcome o = computer.play(c, free);
                if (o.k != 0) {
                    free &= ~(1U << (o.k - 1));
                }
            }
            sum += turns;
            squares += static_cast<double>(turns) * turns;
        }
        const double mean = sum / kGames;
        const double error = std::sqrt((squares / kGames - mean * mean) / kGames);
        EXPECT_NEAR(model.turns(levelFor(c), left, kAllFree), mean, 4.5 * error + 0.1)
            << "case " << c;
    }
}

} // namespace
} // namespace kvint::coach
