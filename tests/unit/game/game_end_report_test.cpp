#include "computer/computer.h"
#include "game/game.h"
#include "support/recording_platform.h"

#include <gtest/gtest.h>

#include <vector>

namespace kvint::test {
namespace {

void fill(Column& column, u8 points, std::size_t upTo) {
    for (std::size_t k = 1; k <= upTo; ++k) {
        column(k) = points;
    }
}

void expectResult(const GameResult& r, int mode, int level, int left, int right) {
    EXPECT_EQ(r.gamemode, mode);
    EXPECT_EQ(r.level, level);
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.right, right);
}

// The judgement repeats at every roll, "бросай" and computer turn after the
// end; the platform hears of each game once, and "Новая" before the end
// reports nothing.
TEST(GameEndReport, EachEndedGameIsReportedOnceWhateverJudgesItAgain) {
    RecordingPlatform pf;
    Game game{pf, "."};
    Computer computer{game.board()};
    game.setOpponent(computer);
    game.click(Ctl::Check1); // Новичок
    pf.answers = {"Аня"};
    pf.faces({1, 2, 3, 4, 5, 6});
    game.click(Ctl::Command7);
    fill(game.state().compscore, 9, 4);
    game.click(Ctl::novaya);
    EXPECT_TRUE(pf.results.empty());

    pf.answers = {"Аня"};
    pf.faces({1, 2, 3, 4, 5, 6});
    game.click(Ctl::Command7);
    fill(game.state().mayscore, 10, kCategories);
    fill(game.state().compscore, 15, 2);
    computer.broskom1();
    game.brosok();
    game.Command4_Click();
    game.brosok();
    ASSERT_EQ(pf.results.size(), 1U);
    expectResult(pf.results[0], 0, 1, 110, 30);

    // The next game is heard of again, with its own mode and totals.
    game.click(Ctl::novaya);
    game.click(Ctl::Option2);
    pf.answers = {"Аня", "Боря"};
    pf.faces({1, 2, 3, 4, 5, 6});
    game.click(Ctl::Command7);
    fill(game.state().mayscore, 3, 5);
    fill(game.state().compscore, 20, kCategories);
    game.Command4_Click();
    game.brosok();
    ASSERT_EQ(pf.results.size(), 2U);
    expectResult(pf.results[1], 1, 1, 15, 220);
}

} // namespace
} // namespace kvint::test
