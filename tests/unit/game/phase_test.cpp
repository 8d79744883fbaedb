#include "computer_game.h"

#include <gtest/gtest.h>

namespace kvint::test {
namespace {

using GamePhase = ComputerGameTest;

// Where the game stands, who may write and what an entry would give, through
// a turn against the computer and then a game of two people.
TEST_F(GamePhase, FollowsTheTurnsAndTellsOnlyTheWritingSideWhatItWouldWrite) {
    EXPECT_EQ(game.phase(), Phase::setup);
    EXPECT_EQ(game.writingColumn(), std::nullopt);
    EXPECT_EQ(game.dieView(1), DieView::away);

    pf.answers = {"Аня"};
    pf.faces({1, 1, 2, 2, 3, 4});
    game.click(Ctl::Command7);
    EXPECT_EQ(game.phase(), Phase::leftSide);
    EXPECT_EQ(game.writingColumn(), true);
    EXPECT_EQ(game.outlook({false, 1}), std::nullopt);
    const auto ones = game.outlook({true, 1});
    ASSERT_TRUE(ones);
    EXPECT_EQ(ones->outcome, Outlook::Outcome::points);
    EXPECT_EQ(ones->points, 2);
    EXPECT_EQ(ones->button, Ctl::Command2);

    pf.faces({1});
    game.click(Ctl::Text6);
    EXPECT_EQ(game.dieView(6), DieView::inAir);
    EXPECT_EQ(game.dieView(5), DieView::shown);
    EXPECT_EQ(game.outlook({true, 1})->outcome, Outlook::Outcome::diceInAir);
    EXPECT_EQ(game.outlook({true, 1})->button, Ctl::Command2);

    // The computer's turn is on from the sound that starts it to its entry;
    // then the person is to roll, and nobody writes until then.
    std::vector<Phase> atEntry;
    pf.onCall = [&](const std::string& call) {
        if (call == "sound dice05.wav 2" || call == "sound wow.wav 0") {
            atEntry.push_back(game.phase());
        }
    };
    pf.answers = {"1"};
    pf.faces({6, 5, 4, 3, 2, 1});
    game.click(Ctl::Command2);
    EXPECT_EQ(game.state().mayscore(1), 3);
    EXPECT_EQ(atEntry, (std::vector<Phase>{Phase::computer, Phase::computer}));
    EXPECT_EQ(game.phase(), Phase::leftSide);
    EXPECT_EQ(game.writingColumn(), std::nullopt);
    EXPECT_EQ(game.outlook({true, 2}), std::nullopt);

    game.state().mayscore = {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}};
    EXPECT_EQ(game.phase(), Phase::over);

    game.click(Ctl::novaya);
    EXPECT_EQ(game.phase(), Phase::setup);
    game.click(Ctl::Option2);
    pf.answers = {"Аня", "Боря"};
    pf.faces({5, 5, 5, 2, 2, 2, 6, 6, 6, 6, 5, 5});
    game.click(Ctl::Command7);
    game.click(Ctl::Command3); // player one passes
    EXPECT_EQ(game.phase(), Phase::rightSide);
    EXPECT_EQ(game.writingColumn(), false);
    EXPECT_EQ(game.outlook({true, 10}), std::nullopt);
    EXPECT_EQ(game.outlook({false, 10})->points, 24);
    EXPECT_EQ(game.outlook({false, 10})->button, Ctl::Command5);
    game.state().compscore(10) = 24;
    const auto written = game.outlook({false, 10});
    EXPECT_EQ(written->outcome, Outlook::Outcome::written);
    EXPECT_EQ(written->button, std::nullopt);
}

} // namespace
} // namespace kvint::test
