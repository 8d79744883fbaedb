#include "game/game.h"
#include "support/recording_platform.h"

#include <gtest/gtest.h>

namespace kvint::test {
namespace {

const std::string kPromptCall =
    "inputbox kvint | Введите число от 1 до 6.  Или название комбинации. Например: 23, или 32, "
    "или strit, или care, или kvint.";
const std::string kWrongName = "msgbox Предупреждение | Вы не правильно ввели название "
                               "комбинации. Будте внимательнее!";
const std::string kAlreadyWritten = "msgbox Сообщение | Вы уже записали эту позицию";

// A game of two people, Аня against Боря, with player one's dice on view.
struct TwoPlayers : ::testing::Test {
    RecordingPlatform pf;
    Game game{pf, "."};

    void SetUp() override {
        game.click(Ctl::Option2);
        pf.answers = {"Аня", "Боря"};
        pf.faces({5, 2, 5, 2, 5, 2});
        game.click(Ctl::Command7);
        pf.takeCalls();
    }
    void write(Ctl button, const std::string& typed) {
        pf.answers.push_back(typed);
        game.click(button);
    }
    const Control& ui(Ctl c) { return game.controls()[c]; }
};

TEST_F(TwoPlayers, EntrySortsScoresAndHandsTheDiceOver) {
    pf.faces({1, 2, 3, 4, 5, 6});
    write(Ctl::Command2, "23");
    EXPECT_EQ(game.state().mayscore(7), 21);
    EXPECT_EQ(ui(Ctl::may7).text, "21");
    EXPECT_EQ(ui(Ctl::may7).back, 12);
    EXPECT_EQ(ui(Ctl::Label16).back, 12);
    EXPECT_EQ(ui(Ctl::Label27).back, 3);
    EXPECT_EQ(game.state().turnowner, 2);
    EXPECT_EQ(ui(Ctl::hod).text, "Ход Боря");
    EXPECT_EQ(game.state().dicelock, 0);
    EXPECT_TRUE(ui(Ctl::Command1).visible);
    EXPECT_FALSE(ui(Ctl::Command2).visible);
    EXPECT_FALSE(ui(Ctl::Command3).visible);
    EXPECT_TRUE(ui(Ctl::Command5).visible);
    EXPECT_TRUE(ui(Ctl::Command6).visible);
    EXPECT_EQ(faces(game.state()), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(pf.takeCalls(), (std::vector<std::string>{kPromptCall, "sound dice05.wav 1", "cls",
                                                        "reseed", "cls"}));
}

TEST_F(TwoPlayers, RefusedEntriesKeepTheTurnAndTheSortedDice) {
    for (const char* typed : {"", "Care", "7", "2/3", "32", "strit", "care"}) {
        write(Ctl::Command2, typed);
        EXPECT_EQ(pf.takeCalls(), (std::vector<std::string>{kPromptCall, kWrongName})) << typed;
    }
    EXPECT_EQ(faces(game.state()), (std::vector<int>{5, 5, 5, 2, 2, 2}));
    EXPECT_EQ(game.state().mayscore, Column{});
    EXPECT_EQ(game.state().dicelock, 1);
    EXPECT_TRUE(ui(Ctl::Command2).visible);
    game.click(Ctl::Text1); // locked for the rest of the turn
    EXPECT_TRUE(pf.takeCalls().empty());
}

TEST_F(TwoPlayers, WrittenCategoryIsRefusedBeforeTheDiceAreLookedAt) {
    game.state().mayscore(10) = 24;
    write(Ctl::Command2, "care");
    EXPECT_EQ(pf.takeCalls(), (std::vector<std::string>{kPromptCall, kAlreadyWritten}));
}

TEST_F(TwoPlayers, ZeroPointFaceEntryLeavesTheCategoryFree) {
    pf.faces({1, 1, 1, 1, 1, 1});
    write(Ctl::Command2, "4");
    EXPECT_EQ(game.state().mayscore(4), 0);
    EXPECT_EQ(ui(Ctl::may4).text, "0");
    EXPECT_EQ(ui(Ctl::may4).back, 12);
    pf.faces({4, 4, 4, 4, 1, 1});
    game.click(Ctl::Command6);
    pf.faces({1, 1, 1, 1, 1, 1});
    write(Ctl::Command2, "4"); // free again: written over
    EXPECT_EQ(game.state().mayscore(4), 16);
    EXPECT_EQ(ui(Ctl::may4).text, "16");
}

TEST_F(TwoPlayers, SecondPanelLandsMarkedDiceBeforeAsking) {
    pf.faces({1, 2, 3, 4, 5, 6});
    game.click(Ctl::Command3);
    pf.faces({6, 6});
    game.click(Ctl::Text1);
    game.click(Ctl::Text2);
    pf.takeCalls();
    write(Ctl::Command5, "xx");
    EXPECT_EQ(pf.takeCalls(),
              (std::vector<std::string>{"sound dice02.wav 0", kPromptCall, kWrongName}));
    EXPECT_EQ(faces(game.state()), (std::vector<int>{6, 6, 6, 5, 4, 3}));
    EXPECT_EQ(game.state().dicelock, 0); // player two may still mark dice
    pf.faces({2, 2, 2, 2, 2, 2});
    write(Ctl::Command5, "6");
    EXPECT_EQ(pf.takeCalls().front(), kPromptCall); // no second rattle
    EXPECT_EQ(game.state().compscore(6), 18);
    EXPECT_EQ(ui(Ctl::comp6).back, 12);
    EXPECT_EQ(ui(Ctl::Label26).back, 12);
    EXPECT_EQ(game.state().turnowner, 1);
    EXPECT_EQ(ui(Ctl::hod).text, "Ход Аня");
    EXPECT_TRUE(ui(Ctl::Command2).visible);
    EXPECT_FALSE(ui(Ctl::Command5).visible);
}

TEST_F(TwoPlayers, FirstPanelEntryAlsoLandsMarkedDice) {
    pf.faces({3, 3});
    game.click(Ctl::Text1);
    game.click(Ctl::Text2);
    pf.takeCalls();
    write(Ctl::Command2, "nonsense");
    EXPECT_EQ(pf.takeCalls().front(), "sound dice02.wav 0");
    EXPECT_EQ(game.state().rerollcount, 0);
}

TEST_F(TwoPlayers, ReportsJoinTheirPiecesExactly) {
    game.state().mayscore(1) = 3;
    game.state().mayscore(9) = 21;
    game.state().mayscore(10) = 24;
    game.state().compscore(11) = 30;
    game.click(Ctl::mayschet);
    game.click(Ctl::schetcomp);
    game.click(Ctl::hod);
    EXPECT_EQ(pf.takeCalls(),
              (std::vector<std::string>{
                  "msgbox Сообщение | У Аня в еденицах 3 в двойках 0 в тройках 0 в четверках 0 в "
                  "пятерках 0 в шестерках 0 в два по три 0 в три по два 0 в стрите 21в каре 24в "
                  "покере 0",
                  "msgbox Сообщение | У Боря в еденицах 0 в двойках 0 в тройках 0 в четверках 0 "
                  "в пятерках 0 в шестерках 0 в два по три 0 в три по два 0 в стрите 0 в каре 0 в "
                  "покере 30",
                  "msgbox kvint | Сейчас ход Аня"}));
}

TEST_F(TwoPlayers, TotalsAreNeverWrapped) {
    for (std::size_t k = 1; k <= kCategories; ++k) {
        game.state().mayscore(k) = 30;
    }
    game.state().compscore(2) = 4;
    game.click(Ctl::ochko);
    EXPECT_EQ(pf.takeCalls(), (std::vector<std::string>{"msgbox Сообщение | У Аня330 у Боря4"}));
}

TEST_F(TwoPlayers, LastEntryOfPlayerOneEndsTheGameBeforePlayerTwoRolls) {
    for (std::size_t k = 1; k <= kCategories; ++k) {
        game.state().mayscore(k) = k == 11 ? 0 : 10;
    }
    game.state().compscore(1) = 5;
    write(Ctl::Command2, "kvint"); // 5+5+5+2+2+2 = 21 -> left total 121
    EXPECT_EQ(pf.takeCalls(),
              (std::vector<std::string>{kPromptCall, "sound dice05.wav 1", "sound end.wav 0",
                                        "msgbox Сообщение | АняПоздравляю! Вы записали все "
                                        "позиции и выграли 116 очков"}));
    EXPECT_TRUE(ui(Ctl::Command5).visible); // the second panel stays usable
}

} // namespace
} // namespace kvint::test

namespace kvint::test {
namespace {

TEST(InputBox, TakesAtMost255CharactersNeverSplittingOne) {
    RecordingPlatform pf;
    Game game{pf, "."};
    std::string longName;
    for (int i = 0; i < 300; ++i) {
        longName += "Я";
    }
    pf.answers = {longName};
    pf.faces({1, 2, 3, 4, 5, 6});
    game.click(Ctl::Command7);
    EXPECT_EQ(game.state().name1, longName.substr(0, 255 * 2));
    EXPECT_EQ(game.controls()[Ctl::Label8].text, game.state().name1);
}

} // namespace
} // namespace kvint::test
