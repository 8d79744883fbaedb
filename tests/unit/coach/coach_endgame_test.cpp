// The end of a game against the computer, one category left to the person:
// the coach's chance against the end played out many times, the person's
// turns by the coach's own advice with fair dice, the computer's by its own
// chain. A slip in the margin, in the end's judgement or in the computer's
// outcomes moves the played figure far from the estimate.
#include "coach/coach.h"
#include "coach/novice_solution.h"
#include "game/categories.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>

namespace kvint::coach {
namespace {

float onTotals(const Column& left, const Column& right) {
    const int margin = columnTotal(left) - columnTotal(right);
    return margin == 0 ? 0.5F : (margin > 0 ? 1.0F : 0.0F);
}

// The person's turn as the coach advises it; true when it completed the
// left column.
bool personTurn(const Coach& coach, Position& p, std::mt19937& gen) {
    std::uniform_int_distribution<int> face(1, 6);
    for (Face& f : p.dice) {
        f = static_cast<Face>(face(gen));
    }
    for (p.roll = 1;; ++p.roll) {
        const Decision d = coach.advise(p).decision;
        if (d.kind == Decision::Kind::pass) {
            return false;
        }
        if (d.kind == Decision::Kind::write) {
            Dice sorted = p.dice;
            std::sort(sorted.begin(), sorted.end(), std::greater<>());
            p.left(d.category) = categoryPoints(d.category, sorted).value_or(0);
            return columnComplete(p.left);
        }
        for (std::size_t i = 0; i < kDice; ++i) {
            if (d.reroll[i]) {
                p.dice(i + 1) = static_cast<Face>(face(gen));
            }
        }
    }
}

// The computer to move, played to the end.
float played(const Coach& coach, Position p, ScratchComputer& computer, std::mt19937& gen) {
    const std::size_t c = computerCase(p.level, p.left);
    while (true) {
        const TurnOutcome o = computer.play(c, freeSet(p.right));
        if (o.k != 0) {
            p.right(o.k) = static_cast<u8>(o.points);
        }
        if (columnComplete(p.right) || personTurn(coach, p, gen)) {
            return onTotals(p.left, p.right);
        }
    }
}

Column column(std::initializer_list<std::size_t> free, int total) {
    Column c;
    for (std::size_t k = 1; k <= kCategories; ++k) {
        c(k) = 10;
    }
    for (std::size_t k : free) {
        c(k) = 0;
    }
    c(3) = static_cast<u8>(c(3) + total - columnTotal(c)); // stays written

    return c;
}

TEST(CoachEndgame, TheChanceIsWhatPlayingItOutGives) {
    const Coach coach;
    ScratchComputer computer(99);
    std::mt19937 gen(7);
    struct End {
        u8 level;
        Column left;
        Column right;
    };
    const std::array<End, 3> ends = {{
        {strength::master, column({cat::kvint}, 100), column({5, cat::kvint}, 125)},
        {strength::novice, column({6}, 100), column({cat::strit, cat::care}, 115)},
        {strength::pro, column({1}, 100), column({1, 2, cat::kvint}, 100)},
    }};
    // Margins where the end is open: the estimates lie between 0.25 and 0.7.
    constexpr int kGames = 3000;
    for (const End& e : ends) {
        Position p;
        p.level = e.level;
        p.left = e.left;
        p.right = e.right;
        p.dice = {1, 2, 3, 4, 5, 6};
        const double estimate = coach.winAfter(p, Decision{});
        double sum = 0.0;
        for (int g = 0; g < kGames; ++g) {
            sum += played(coach, p, computer, gen);
        }
        const double seen = sum / kGames;
        const double error = std::sqrt(std::max(seen * (1.0 - seen), 0.01) / kGames);
        EXPECT_NEAR(seen, estimate, 4.0 * error + 0.005) << "level " << int{e.level};
    }
}

constexpr FreeSet only(std::initializer_list<std::size_t> ks) {
    FreeSet f = 0;
    for (std::size_t k : ks) {
        f |= 1U << (k - 1);
    }
    return f;
}

// Solved on the whole game's state, the end against "Новичок" agrees with
// the end solved on its own, one category left to the person; with two
// left, following the solution wins as often as it says.
TEST(CoachNoviceSolution, AgreesWithTheSolvedEndAndWithPlayingItOut) {
    const DiceSpace space;
    const PointsTable points(space);
    const ComputerModel computer;
    const Endgame endgame(space, points);
    const FreeSet theirs = only({cat::strit, cat::care, cat::kvint});
    const NoviceSolution one(space, points, ComputerChain::exact(computer, theirs), only({6}));
    const Column left = column({6}, 100);
    float worst = 0.0F;
    for (FreeSet t = 1; t <= theirs; ++t) {
        if ((t & ~theirs) != 0) {
            continue;
        }
        for (int margin = -45; margin <= 45; margin += 3) {
            const float solved = one.afterTurn(only({6}), t, margin);
            const float end = endgame.afterTurn(computer, {strength::novice, left, 6, t, margin});
            worst = std::max(worst, std::fabs(solved - end));
        }
    }
    EXPECT_LT(worst, 0.01F);

    const NoviceSolution two(
        space, points, ComputerChain::exact(computer, only({cat::strit, cat::care})), only({5, 6}));
    const Coach coach(two);
    Position p;
    p.level = strength::novice;
    p.left = column({5, 6}, 100);
    p.right = column({cat::strit, cat::care}, 110);
    p.dice = {1, 2, 3, 4, 5, 6};
    const double estimate = coach.winAfter(p, Decision{});
    EXPECT_NEAR(estimate, two.afterTurn(only({5, 6}), only({cat::strit, cat::care}), -10), 1e-6);
    ScratchComputer scratch(5);
    std::mt19937 gen(11);
    constexpr int kGames = 3000;
    double sum = 0.0;
    for (int g = 0; g < kGames; ++g) {
        sum += played(coach, p, scratch, gen);
    }
    const double seen = sum / kGames;
    const double error = std::sqrt(std::max(seen * (1.0 - seen), 0.01) / kGames);
    EXPECT_NEAR(seen, estimate, 4.0 * error + 0.005);
}

} // namespace
} // namespace kvint::coach
