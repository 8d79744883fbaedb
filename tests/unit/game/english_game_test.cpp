#include "computer/computer.h"
#include "game/game.h"
#include "support/recording_platform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kvint::test {
namespace {

// The messages only, as "msgbox CAPTION | TEXT" and "inputbox CAPTION | TEXT".
std::vector<std::string> boxes(RecordingPlatform& pf) {
    std::vector<std::string> out;
    for (std::string& c : pf.takeCalls()) {
        if (c.starts_with("msgbox ") || c.starts_with("inputbox ")) {
            out.push_back(std::move(c));
        }
    }
    return out;
}

struct EnglishGame : ::testing::Test {
    RecordingPlatform pf;
    Game game{pf, ".", Language::en};
    Computer computer{game.board()};
    const Controls& ui = game.controls();
    EnglishGame() { game.setOpponent(computer); }
};

TEST_F(EnglishGame, AgainstTheComputerEveryBoxAndCaptionIsEnglish) {
    EXPECT_EQ(ui[Ctl::Command7].text, "Start");
    EXPECT_EQ(ui[Ctl::Option1].text, "You vs computer");
    pf.answers = {"Ann"};
    pf.faces({6, 5, 4, 3, 2, 2});
    game.click(Ctl::Command7);
    EXPECT_EQ(boxes(pf), std::vector<std::string>{"inputbox kvint | Enter your name."});
    EXPECT_EQ(ui[Ctl::Label32].text, "Computer");
    EXPECT_EQ(ui[Ctl::schetcomp].text, "Computer's score");

    // A name that is no category, then one the dice do not fit: both refused.
    pf.answers = {"poker"};
    game.click(Ctl::Command2);
    pf.answers = {"strit"};
    game.click(Ctl::Command2);
    const std::string refusal = "msgbox Warning | There is no such combination, or the dice do "
                                "not fit it. Please check and try again.";
    const std::string prompt = "inputbox kvint | Type a face from 1 to 6, or a combination: 23 "
                               "for 2/3, 32 for 3/2, strit, care or kvint.";
    EXPECT_EQ(boxes(pf), (std::vector<std::string>{prompt, refusal, prompt, refusal}));

    game.state().mayscore(9) = 21;
    game.click(Ctl::mayschet);
    game.click(Ctl::ochko);
    EXPECT_EQ(boxes(pf),
              (std::vector<std::string>{
                  "msgbox Message | Ann: ones 0, twos 0, threes 0, fours 0, fives 0, sixes 0, "
                  "2/3 0, 3/2 0, strit 21, care 0, kvint 0.",
                  "msgbox Message | Totals: Ann 21, Computer 0."}));

    // A full left column ends the game at the next roll.
    for (std::size_t k = 1; k <= kCategories; ++k) {
        game.state().mayscore(k) = 5;
    }
    game.state().compscore(1) = 3;
    game.brosok();
    EXPECT_EQ(boxes(pf), std::vector<std::string>{
                             "msgbox Message | Congratulations, Ann! You have filled every "
                             "combination and won by a margin of 52."});
}

TEST_F(EnglishGame, TwoPlayersAndTheRulesSpeakEnglish) {
    game.click(Ctl::Option2);
    pf.answers = {"Ann", "Bob"};
    pf.faces({1, 1, 1, 1, 1, 1});
    game.click(Ctl::Command7);
    EXPECT_EQ(ui[Ctl::hod].text, "Turn: Ann");
    EXPECT_EQ(ui[Ctl::schetcomp].text, "Bob's score");
    pf.faces({2, 2, 2, 2, 2, 2});
    game.click(Ctl::Command3);
    game.click(Ctl::hod);
    EXPECT_EQ(boxes(pf),
              (std::vector<std::string>{"inputbox kvint | Enter the first player's name.",
                                        "inputbox kvint | Enter the second player's name.",
                                        "msgbox kvint | It is Bob's turn."}));

    // The English rules come from their own file, and so does the note when
    // it is missing.
    game.click(Ctl::pravila);
    EXPECT_EQ(ui[Ctl::Form2].text, "Rules");
    EXPECT_EQ(ui[Ctl::Form2_Text1].text, "Could not read the rules file \"help-en.rls\".\n");
}

} // namespace
} // namespace kvint::test
