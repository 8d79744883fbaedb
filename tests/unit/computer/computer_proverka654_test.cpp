#include "chain_fixture.h"

#include <vector>

namespace kvint::test {
namespace {

using FallbackTest = ChainTest;

// Dice made only of the faces a stage keeps need no throw, so each case
// lands on one test of the stage that runs first.
struct Case {
    std::vector<int> dice;
    std::vector<std::size_t> written;
    std::size_t k;
    int v;
    const char* sound;
};

TEST_F(FallbackTest, DecisionTableOfTheStages) {
    const std::vector<Case> cases = {
        // fives and sixes
        {{5, 5, 5, 6, 6, 6}, {}, 7, 33, "wow.wav"},
        {{5, 5, 6, 6, 6, 6}, {}, 8, 34, "wow.wav"},
        {{5, 5, 5, 5, 6, 6}, {}, 8, 32, "wow.wav"},
        {{5, 5, 6, 6, 6, 6}, {8}, 10, 24, "wow.wav"},
        {{5, 5, 6, 6, 6, 6}, {8, 10}, 6, 24, "ye.wav"},
        {{5, 5, 5, 5, 6, 6}, {8}, 5, 20, "ye.wav"},
        // fours and sixes
        {{4, 4, 4, 6, 6, 6}, {}, 7, 30, "wow.wav"},
        {{4, 4, 6, 6, 6, 6}, {}, 8, 32, "wow.wav"},
        {{4, 4, 4, 4, 6, 6}, {}, 8, 28, "wow.wav"},
        {{4, 4, 6, 6, 6, 6}, {8}, 10, 24, "wow.wav"},
        {{4, 4, 6, 6, 6, 6}, {8, 10}, 6, 24, "ye.wav"},
        {{4, 4, 4, 4, 6, 6}, {8}, 4, 16, "ye.wav"},
        // fours and fives: no "care"
        {{4, 4, 4, 5, 5, 5}, {}, 7, 27, "wow.wav"},
        {{4, 4, 5, 5, 5, 5}, {}, 8, 28, "wow.wav"},
        {{4, 4, 4, 4, 5, 5}, {}, 8, 26, "wow.wav"},
        {{4, 4, 5, 5, 5, 5}, {8}, 5, 20, "ye.wav"},
        {{4, 4, 4, 4, 5, 5}, {8}, 4, 16, "ye.wav"},
        {{4, 5, 5, 5, 5, 5}, {}, 5, 25, "ye.wav"}, // five fives are no "care"
        // one face alone
        {{6, 6, 6, 6, 6, 6}, {}, 7, 36, "wow.wav"},
        {{6, 6, 6, 6, 6, 6}, {7}, 8, 36, "wow.wav"},
        {{6, 6, 6, 6, 6, 6}, {7, 8}, 10, 24, "wow.wav"},
        {{6, 6, 6, 6, 6, 6}, {7, 8, 10}, 6, 36, "ye.wav"},
        {{5, 5, 5, 5, 5, 5}, {}, 7, 30, "wow.wav"},
        {{5, 5, 5, 5, 5, 5}, {7}, 8, 30, "wow.wav"},
        {{5, 5, 5, 5, 5, 5}, {7, 8}, 5, 30, "ye.wav"},
        {{4, 4, 4, 4, 4, 4}, {}, 4, 24, "ye.wav"}, // fours alone try no combination
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.dice) + " written " +
                     ::testing::PrintToString(c.written));
        st.compscore = Column{};
        for (std::size_t k : c.written) {
            st.compscore(k) = 99;
        }
        for (std::size_t i = 1; i <= kDice; ++i) {
            st.kubik(i) = static_cast<Face>(c.dice[i - 1]);
        }
        const Column before = st.compscore;
        computer.runFrom(&Computer::proverka654);
        expectEntry(c.k, c.v, c.sound, before);
    }
}

TEST_F(FallbackTest, FivesAndSixesThrowOnlyTheOddDie) {
    dice({5, 5, 5, 6, 6, 1});
    pf.faces({6});
    Column before = st.compscore;
    computer.runFrom(&Computer::proverka654);
    expectEntry(cat::dva_tri, 33, "wow.wav", before);

    dice({6, 6, 6, 6, 5, 2}); // "2/3" now written
    pf.faces({5});
    before = st.compscore;
    computer.runFrom(&Computer::proverka654);
    expectEntry(cat::tri_dva, 34, "wow.wav", before);
    EXPECT_EQ(faces(st), (std::vector<int>{6, 6, 6, 6, 5, 5}));
}

TEST_F(FallbackTest, FoursAndFivesThenTheLoneStages) {
    // No entry of fours and fives and no six: the fives stage, then the fours.
    written({7, 8});
    dice({4, 4, 4, 5, 5, 1});
    pf.faces({1, 1});          // 4 4 4 5 5 1
    pf.faces({5, 5, 5, 1, 1}); // fives: 5 5 5 5 5 1
    Column before = st.compscore;
    computer.runFrom(&Computer::proverka654);
    expectEntry(5, 25, "ye.wav", before);

    dice({4, 4, 4, 5, 5, 1});
    pf.faces({1, 1});                   // 4 4 4 5 5 1
    pf.faces({4, 4, 4, 4, 4, 4, 4, 4}); // fives throw the fours: 4 4 4 5 5 4
    pf.faces({4, 4});                   // fours: 4 4 4 4 4 4
    before = st.compscore;
    computer.runFrom(&Computer::proverka654);
    expectEntry(4, 24, "ye.wav", before);
}

TEST_F(FallbackTest, FoursAndSixesWithoutAFiveNeverStartTheFivesStage) {
    written({4, 6, 7, 8, 10});
    dice({6, 6, 4, 2, 1, 1});
    pf.faces({1, 1, 1, 1, 1, 1});       // fours and sixes: 6 6 4 1 1 1
    pf.faces({5, 5, 5, 5, 5, 5, 5, 5}); // sixes: 6 6 5 5 5 5, fives no stage looks at
    const Column before = st.compscore;
    computer.runFrom(&Computer::proverka654);
    expectNoEntry(before);
    EXPECT_EQ(sounds(), std::vector<std::string>{"thin.wav 0"});
    EXPECT_EQ(faces(st), (std::vector<int>{6, 6, 5, 5, 5, 5}));
    EXPECT_EQ(shown(), diceText());
    EXPECT_TRUE(pf.randoms.empty());
}

TEST_F(FallbackTest, FivesStageReadsTheCountOfTheFirstStageAfterTheSixesThrewThemAway) {
    written({6, 7, 8, 10});
    dice({6, 5, 1, 1, 1, 1});
    pf.faces({1, 1, 1, 1, 1, 1, 1, 1});       // fives and sixes: 6 5 1 1 1 1
    pf.faces({1, 1, 1, 1, 1, 1, 1, 1, 1, 1}); // sixes throw the five: 6 1 1 1 1 1
    pf.faces({5, 5, 5, 5, 2, 2, 2, 2});       // fives, though none is left
    const Column before = st.compscore;
    computer.runFrom(&Computer::proverka654);
    expectEntry(5, 20, "ye.wav", before);
    EXPECT_EQ(faces(st), (std::vector<int>{5, 5, 5, 5, 2, 2}));
}

TEST_F(FallbackTest, FivesAndSixesLeaveTheFoursUncounted) {
    written({5, 6, 7, 8, 10});
    dice({6, 5, 4, 4, 1, 1});
    pf.faces({4, 4, 4, 4, 4, 4, 4, 4});             // 6 5 4 4 4 4
    pf.faces({4, 4, 4, 4, 4, 4, 4, 4, 4, 4});       // sixes: 6 4 4 4 4 4
    pf.faces({4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4}); // fives: six fours
    const Column before = st.compscore;
    computer.runFrom(&Computer::proverka654);
    expectNoEntry(before); // six fours, category 4 free, yet the fours stage stays out
    EXPECT_EQ(faces(st), (std::vector<int>{4, 4, 4, 4, 4, 4}));
    EXPECT_EQ(st.facesum(4), 0);
    EXPECT_EQ(sounds(), std::vector<std::string>{"thin.wav 0"});
}

TEST_F(FallbackTest, SixFivesWithCombinationsWrittenGoToTheFaceWithoutAThrow) {
    written({7, 8});
    dice({5, 5, 5, 5, 5, 5});
    const Column before = st.compscore;
    computer.runFrom(&Computer::proverka654);
    expectEntry(5, 30, "ye.wav", before);
}

TEST_F(FallbackTest, KvintTakesAnyTotalOnceTheRestIsWritten) {
    allWrittenBut({cat::kvint});
    dice({1, 1, 1, 2, 2, 2});
    const Column before = st.compscore;
    computer.runFrom(&Computer::proverka654);
    expectEntry(cat::kvint, 9, "ye.wav", before);
}

TEST_F(FallbackTest, AWrittenKvintIsNeverReplaced) {
    allWrittenBut({});
    dice({1, 1, 1, 2, 2, 2});
    const Column before = st.compscore;
    computer.runFrom(&Computer::proverka654);
    expectNoEntry(before);
    EXPECT_EQ(sounds(), std::vector<std::string>{"thin.wav 0"});
    EXPECT_EQ(game.controls()[comp(cat::kvint)].text, "");
}

TEST_F(FallbackTest, NothingFitsShowsTheDiceAndOnlyTheProHandsOn) {
    for (u8 level : {strength::master, strength::novice, strength::pro}) {
        SCOPED_TRACE(static_cast<int>(level));
        allWrittenBut({1});
        st.level = level;
        dice({1, 1, 1, 2, 2, 3});
        pf.takeCalls();
        const Column before = st.compscore;
        computer.runFrom(&Computer::proverka654);
        expectNoEntry(before);
        EXPECT_EQ(shown(), (std::vector<std::string>{"1", "1", "1", "2", "2", "3"}));
        const auto played = sounds();
        if (level == strength::pro) {
            EXPECT_TRUE(played.empty()); // the human's sheet is empty: no new roll
        } else {
            EXPECT_EQ(played, std::vector<std::string>{"thin.wav 0"});
        }
    }
}

} // namespace
} // namespace kvint::test
