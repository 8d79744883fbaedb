#include "turn_fixture.h"

#include <algorithm>

namespace kvint::test {
namespace {

using RollTest = TurnTest;

TEST_F(RollTest, BroskomRattlesQuietlyThenRollsSortedAndShowsTheTurnButtons) {
    // 0.1 and 0.95 fall outside 1..6 and are drawn again.
    pf.randoms = {0.1F, 0.5F, 0.8F, 0.95F, 0.5F, 0.8F, 0.5F, 0.8F};
    computer.broskom();
    EXPECT_EQ(pf.takeCalls(), (std::vector<std::string>{"sound dice05.wav 2", "focus Command4",
                                                        "sound wow.wav 0"}));
    EXPECT_EQ(faces(st), (std::vector<int>{6, 6, 6, 3, 3, 3}));
    EXPECT_EQ(st.compscore(cat::dva_tri), 27);
    EXPECT_EQ(shown(), (std::vector<std::string>{"6", "6", "6", "3", "3", "3"}));
    for (Ctl c : {Ctl::Command1, Ctl::Command2, Ctl::Command3}) {
        EXPECT_FALSE(game.controls()[c].visible);
    }
    EXPECT_TRUE(game.controls()[Ctl::Command4].visible);
    for (std::size_t i = 1; i <= kDice; ++i) {
        EXPECT_TRUE(game.controls()[textBox(i)].visible);
    }
    EXPECT_TRUE(pf.randoms.empty());
}

struct RollCase {
    std::vector<int> drawn;
    std::vector<std::size_t> written;
    std::size_t k;
    int v;
};

TEST_F(RollTest, TheRollItselfWritesTwoTriplesThreePairsOrTheStraight) {
    const std::vector<RollCase> cases = {
        {{6, 6, 6, 6, 6, 6}, {}, cat::dva_tri, 36},             // six of a kind pass as two triples
        {{6, 6, 6, 6, 6, 6}, {cat::dva_tri}, cat::tri_dva, 36}, // ... and as three pairs
        {{4, 5, 4, 5, 4, 5}, {}, cat::dva_tri, 27},             // the smallest total taken
        {{3, 6, 4, 3, 6, 4}, {}, cat::tri_dva, 26},             // the smallest total taken
        {{1, 2, 3, 4, 5, 6}, {}, cat::strit, 21},
    };
    for (const RollCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.drawn));
        st.compscore = {};
        for (std::size_t k : c.written) {
            st.compscore(k) = 99;
        }
        for (int f : c.drawn) {
            pf.faces({f});
        }
        const Column before = st.compscore;
        computer.broskom1();
        std::vector<int> sorted = c.drawn;
        std::sort(sorted.rbegin(), sorted.rend());
        EXPECT_EQ(faces(st), sorted);
        expectEntry(c.k, c.v, "wow.wav", before);
    }
}

TEST_F(RollTest, SmallTriplesAndPairsKeepTheirTotalAndGoOn) {
    // Straight written: the dice reach the later links as rolled, sorted down.
    written({cat::strit});
    pf.faces({2, 6, 2, 6, 2, 6});
    Column before = st.compscore;
    EXPECT_FALSE(run(&Computer::broskom1));
    EXPECT_EQ(st.sum23, 24);
    EXPECT_EQ(st.sum32, 0);
    expectWentOn(before, {6, 6, 6, 2, 2, 2});

    st.compscore = {};
    pf.faces({3, 3, 4, 4, 5, 5});
    before = st.compscore;
    EXPECT_FALSE(run(&Computer::broskom1));
    EXPECT_EQ(st.sum32, 24);
    EXPECT_EQ(st.sum23, 24);                  // untouched: no two triples this time
    expectWentOn(before, {3, 3, 4, 4, 5, 5}); // ascending after the straight check
}

TEST_F(RollTest, OnlyTheHighCountersAreClearedAroundTheRoll) {
    for (std::size_t f = 1; f <= kDice; ++f) {
        st.facesum(f) = 9;
    }
    pf.faces({6, 5, 4, 3, 2, 1});
    computer.broskom1();
    EXPECT_EQ(st.compscore(cat::strit), 21);
    EXPECT_EQ(std::vector<int>(st.facesum.begin(), st.facesum.end()),
              (std::vector<int>{9, 9, 9, 0, 0, 0}));
}

TEST_F(RollTest, AFullHumanSheetEndsTheGameBeforeAnyRoll) {
    st.mayscore = {{10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 50}};
    for (std::size_t k = 1; k <= 10; ++k) {
        st.compscore(k) = 14;
    }
    dice({1, 2, 3, 4, 5, 6});
    computer.broskom1(); // nothing queued: a roll would throw
    EXPECT_EQ(pf.takeCalls(),
              (std::vector<std::string>{
                  "sound end.wav 0",
                  "msgbox Сообщение | Поздравляю! Вы записали все позиции и выграли 10 очков"}));
    EXPECT_EQ(faces(st), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_TRUE(game.controls()[Ctl::Command4].visible);
    EXPECT_FALSE(game.controls()[Ctl::Command2].visible);
    EXPECT_TRUE(game.controls()[Ctl::Text1].visible);
}

TEST_F(RollTest, ARollCutShortStillLetsTheNextTurnRoll) {
    EXPECT_FALSE(run(&Computer::broskom1));
    pf.takeCalls();
    pf.faces({6, 5, 4, 3, 2, 1});
    computer.broskom1();
    EXPECT_EQ(st.compscore(cat::strit), 21);
}

} // namespace
} // namespace kvint::test
