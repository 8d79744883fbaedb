#include "game/game.h"
#include "support/recording_platform.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <random>

namespace kvint::test {
namespace {

struct DiceTest : ::testing::Test {
    RecordingPlatform pf;
    Game game{pf, "."};

    void enterGame(std::initializer_list<int> dice) {
        pf.answers.push_back("Игрок");
        pf.faces(dice);
        game.click(Ctl::Command7);
        pf.takeCalls();
    }
};

TEST_F(DiceTest, DrawRoundsTiesToEvenAndThrowsAwayOutOfRange) {
    // 0.35*10-2 = 1.5 -> 2 (ties to even); 0.45 -> 2.5 -> 2; 0.55 -> 3.5 -> 4;
    // 0.1 -> -1, 0.95 -> 7.5 -> 8 and 0.0 -> -2 are thrown away; 0.84 -> 6.4 -> 6.
    pf.randoms = {0.35F, 0.45F, 0.1F, 0.95F, 0.55F, 0.8F, 0.3F, 0.0F, 0.84F};
    pf.answers.push_back("x");
    game.click(Ctl::Command7);
    EXPECT_EQ(faces(game.state()), (std::vector<int>{2, 2, 4, 6, 1, 6}));
}

TEST_F(DiceTest, FacesComeUpEvenly) {
    std::mt19937 gen(42);
    std::map<int, int> seen;
    for (int roll = 0; roll < 2000; ++roll) {
        for (int i = 0; i < 30; ++i) {
            pf.randoms.push_back(static_cast<float>(gen() >> 8) * 0x1p-24F);
        }
        game.brosok();
        for (Face f : game.state().kubik) {
            ASSERT_GE(f, 1);
            ASSERT_LE(f, 6);
            ++seen[f];
        }
        pf.randoms.clear();
    }
    for (int f = 1; f <= 6; ++f) {
        EXPECT_NEAR(seen[f], 2000, 200) << "face " << f;
    }
}

TEST_F(DiceTest, FirstRollPlaysWithoutWaitingAndReseedsOnce) {
    pf.answers.push_back("Игрок");
    pf.faces({6, 6, 6, 3, 3, 3});
    game.click(Ctl::Command7);
    EXPECT_EQ(pf.takeCalls(),
              (std::vector<std::string>{"inputbox kvint | Введите ваше имя", "sound dice05.wav 1",
                                        "cls", "reseed", "cls"}));
    EXPECT_EQ(game.controls()[Ctl::Text4].text, "3");
}

TEST_F(DiceTest, MarkingDrawsAtOnceAndRerollSoundFollowsTheCount) {
    enterGame({1, 2, 3, 4, 5, 6});
    pf.faces({6, 6, 6});
    for (Ctl c : {Ctl::Text1, Ctl::Text2, Ctl::Text3}) {
        game.click(c);
    }
    EXPECT_FALSE(game.controls()[Ctl::Text2].visible);
    EXPECT_EQ(game.controls()[Ctl::Text2].text, "6");
    EXPECT_EQ(faces(game.state()), (std::vector<int>{6, 6, 6, 4, 5, 6}));
    pf.takeCalls();
    game.click(Ctl::Command1);
    EXPECT_EQ(pf.takeCalls(), (std::vector<std::string>{"sound dice03.wav 0", "focus Text1"}));
    EXPECT_EQ(game.state().rerollcount, 0);
    EXPECT_EQ(game.state().brosnum, 2);
    EXPECT_TRUE(game.controls()[Ctl::Text2].visible);
}

TEST_F(DiceTest, SixMarkedPlayTheBiggestRattle) {
    enterGame({1, 2, 3, 4, 5, 6});
    pf.faces({1, 1, 1, 1, 1, 1});
    for (std::size_t i = 1; i <= 6; ++i) {
        game.click(textBox(i));
    }
    pf.takeCalls();
    game.click(Ctl::Command1);
    EXPECT_EQ(pf.takeCalls().front(), "sound dice05.wav 0");
}

TEST_F(DiceTest, RerollWithNothingMarkedWarnsOnlyBeforeTheLastRoll) {
    enterGame({1, 2, 3, 4, 5, 6});
    game.click(Ctl::Command1);
    EXPECT_EQ(pf.takeCalls(),
              (std::vector<std::string>{"sound sv.wav 0",
                                        "msgbox Предупреждение! | Вы не выбрали ни одного кубика!",
                                        "focus Text1"}));
    EXPECT_EQ(game.state().brosnum, 1);
    pf.faces({2});
    game.click(Ctl::Text1);
    game.click(Ctl::Command1);
    pf.takeCalls();
    game.click(Ctl::Command1); // the third roll with nothing marked ends the re-rolls
    EXPECT_TRUE(pf.takeCalls().empty());
    EXPECT_EQ(game.state().brosnum, 3);
    EXPECT_FALSE(game.controls()[Ctl::Command1].visible);
    game.click(Ctl::Text3); // after the third roll a die only complains
    EXPECT_EQ(pf.takeCalls(), (std::vector<std::string>{"sound sv.wav 0"}));
    EXPECT_TRUE(game.controls()[Ctl::Text3].visible);
}

TEST_F(DiceTest, KeysOtherThanEnterChangeNothingAndEnterMarks) {
    enterGame({1, 2, 3, 4, 5, 6});
    game.keyPress(Ctl::Text2, 'x');
    EXPECT_TRUE(pf.takeCalls().empty());
    EXPECT_EQ(game.controls()[Ctl::Text2].text, "2");
    pf.faces({5});
    game.keyPress(Ctl::Text2, 13);
    EXPECT_EQ(pf.takeCalls(), (std::vector<std::string>{"sound holding.wav 0"}));
    EXPECT_EQ(game.controls()[Ctl::Text2].text, "5");
    EXPECT_FALSE(game.controls()[Ctl::Text2].visible);
    game.keyPress(Ctl::Text2, 13); // a hidden die takes no keys
    EXPECT_TRUE(pf.takeCalls().empty());
}

TEST_F(DiceTest, RerollCountSaturatesInsteadOfWrapping) {
    enterGame({1, 2, 3, 4, 5, 6});
    game.state().rerollcount = 254;
    pf.faces({1, 1});
    game.click(Ctl::Text1);
    game.state().brosnum = 1;
    game.click(Ctl::Text2);
    EXPECT_EQ(game.state().rerollcount, 255);
}

TEST_F(DiceTest, LockedDiceIgnoreEverything) {
    enterGame({1, 2, 3, 4, 5, 6});
    game.state().dicelock = 1;
    game.click(Ctl::Text1);
    game.keyPress(Ctl::Text1, 13);
    EXPECT_TRUE(pf.takeCalls().empty());
    EXPECT_TRUE(game.controls()[Ctl::Text1].visible);
}

} // namespace
} // namespace kvint::test
