#include "turn_fixture.h"

namespace kvint::test {
namespace {

using TwoTriplesTest = TurnTest;

TEST_F(TwoTriplesTest, FivesAndSixesGetTwoThrowsAtTheTriples) {
    dice({5, 5, 6, 1, 2, 3});
    pf.faces({5, 6, 1, 6});
    Column before = st.compscore;
    computer.runFrom(&Computer::proverka2_3);
    expectEntry(cat::dva_tri, 33, "wow.wav", before);
    EXPECT_EQ(shown(), (std::vector<std::string>{"5", "5", "6", "5", "6", "6"}));

    st.compscore = {};
    dice({5, 5, 6, 1, 2, 3});
    pf.faces({5, 6, 1, 2});
    before = st.compscore;
    computer.runFrom(&Computer::proverka2_3);
    expectEntry(cat::kvint, 29, "wow.wav", before);
}

TEST_F(TwoTriplesTest, FourFivesAndTwoSixesTakeThreePairsThenFaceThenKvint) {
    for (std::size_t k : {cat::tri_dva, std::size_t{5}, cat::kvint}) {
        SCOPED_TRACE(k);
        dice({5, 5, 6, 6, 1, 2});
        pf.faces({5, 3, 5});
        const Column before = st.compscore;
        computer.runFrom(&Computer::proverka2_3);
        expectEntry(k, k == 5 ? 20 : 32, k == 5 ? "ye.wav" : "wow.wav", before);
        EXPECT_EQ(faces(st), (std::vector<int>{5, 5, 6, 6, 5, 5}));
        st.compscore(k) = 99;
    }
}

TEST_F(TwoTriplesTest, AFullTargetAfterTheFirstThrowIsNotWritten) {
    for (u8 level : {strength::master, strength::novice, strength::pro}) {
        SCOPED_TRACE(static_cast<int>(level));
        st.level = level;
        dice({5, 5, 6, 1, 2, 3});
        pf.faces({5, 6, 6});
        const Column before = st.compscore;
        if (level == strength::novice) {
            EXPECT_TRUE(run(&Computer::proverka2_3));
            expectGaveUp(before);
            continue;
        }
        // Onward the 3/2 check finds no four and the care check keeps the
        // sixes and wants the fives thrown.
        EXPECT_FALSE(run(&Computer::proverka2_3));
        expectWentOn(before, {5, 5, 6, 5, 6, 6});
    }
}

TEST_F(TwoTriplesTest, ThreeFivesAndOneSixThrowTheSixToo) {
    dice({5, 5, 5, 6, 1, 2});
    pf.faces({1, 2, 6, 6, 6});
    Column before = st.compscore;
    computer.runFrom(&Computer::proverka2_3);
    expectEntry(cat::dva_tri, 33, "wow.wav", before);

    st.compscore = {};
    dice({5, 5, 5, 6, 1, 2});
    pf.faces({1, 2, 5, 5, 5});
    before = st.compscore;
    computer.runFrom(&Computer::proverka2_3);
    expectEntry(cat::dva_tri, 30, "wow.wav", before);

    st.compscore = {};
    dice({5, 5, 5, 6, 1, 2});
    pf.faces({1, 2, 5, 6, 6});
    before = st.compscore;
    computer.runFrom(&Computer::proverka2_3);
    expectEntry(cat::tri_dva, 32, "wow.wav", before);
}

TEST_F(TwoTriplesTest, TheNoviceStopsAfterEachFailedStage) {
    st.level = strength::novice;
    written({cat::kvint}); // four fives and sixes and any fifth die would make 29
    struct Case {
        std::vector<int> start;
        std::vector<int> drawn;
        std::vector<int> left;
    };
    const std::vector<Case> cases = {
        {{5, 5, 6, 6, 1, 2}, {5, 3, 4}, {5, 5, 6, 6, 5, 4}},       // fives and sixes, second throw
        {{5, 6, 6, 6, 1, 2}, {1, 2, 1, 2, 3}, {1, 6, 6, 6, 2, 3}}, // sixes with one five
        {{5, 5, 5, 6, 1, 2}, {1, 2, 1, 2, 3}, {5, 5, 5, 1, 2, 3}}, // fives with one six
        {{4, 4, 6, 6, 1, 2}, {4, 3, 1}, {4, 4, 6, 6, 4, 1}},       // fours and sixes
        {{4, 6, 6, 1, 2, 3}, {1, 2, 3, 1, 2, 3, 1}, {1, 6, 6, 2, 3, 1}}, // sixes with one four
        {{4, 4, 6, 1, 2, 3}, {1, 2, 3, 5, 1, 2, 3}, {4, 4, 5, 1, 2, 3}}, // fours alone
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.start));
        std::size_t i = 1;
        for (int f : c.start) {
            st.kubik(i++) = static_cast<Face>(f);
        }
        for (int f : c.drawn) {
            pf.faces({f});
        }
        const Column before = st.compscore;
        EXPECT_TRUE(run(&Computer::proverka2_3));
        expectGaveUp(before);
        EXPECT_EQ(faces(st), c.left);
    }
}

TEST_F(TwoTriplesTest, SixesWithOneFiveNeverTakeTheTriplesOrPairs) {
    struct Case {
        std::vector<std::size_t> written;
        std::size_t k;
        int v;
    };
    const std::vector<Case> cases = {
        {{}, cat::care, 24},
        {{cat::care}, 6, 36},
        {{cat::care, 6}, cat::kvint, 36},
    };
    for (const Case& c : cases) {
        st.compscore = {};
        for (std::size_t k : c.written) {
            st.compscore(k) = 99;
        }
        dice({5, 6, 6, 6, 1, 2});
        pf.faces({1, 2, 6, 6, 6});
        const Column before = st.compscore;
        computer.runFrom(&Computer::proverka2_3);
        expectEntry(c.k, c.v, c.k == 6 ? "ye.wav" : "wow.wav", before);
    }
}

TEST_F(TwoTriplesTest, FoursAndSixesGetTwoThrowsAtTheTriples) {
    dice({4, 4, 6, 6, 1, 2});
    pf.faces({4, 3, 6});
    Column before = st.compscore;
    computer.runFrom(&Computer::proverka2_3);
    expectEntry(cat::dva_tri, 30, "wow.wav", before);

    st.compscore = {};
    dice({4, 4, 6, 6, 1, 2});
    pf.faces({4, 3, 4});
    before = st.compscore;
    computer.runFrom(&Computer::proverka2_3);
    expectEntry(cat::tri_dva, 28, "wow.wav", before);
}

TEST_F(TwoTriplesTest, SixesWithOneFourOrFoursAloneAtTheOtherStrengths) {
    dice({4, 6, 6, 1, 2, 3});
    pf.faces({1, 2, 3, 6, 6, 6, 6});
    Column before = st.compscore;
    computer.runFrom(&Computer::proverka2_3);
    expectEntry(cat::dva_tri, 36, "wow.wav", before);

    // The kvint total is kept even when it falls short.
    st.level = strength::pro;
    st.compscore = {};
    dice({4, 6, 6, 1, 2, 3});
    pf.faces({1, 2, 3, 1, 2, 3, 1});
    before = st.compscore;
    EXPECT_FALSE(run(&Computer::proverka2_3));
    EXPECT_EQ(st.dicesum, 19);
    expectWentOn(before, {1, 6, 6, 2, 3, 1});

    st.compscore = {};
    dice({4, 4, 6, 1, 2, 3});
    pf.faces({1, 2, 3, 4, 4, 1, 2});
    before = st.compscore;
    computer.runFrom(&Computer::proverka2_3);
    expectEntry(4, 16, "ye.wav", before);
}

TEST_F(TwoTriplesTest, TheFoursStageReadsTheFoursCountedAtTheStart) {
    // The fives stage throws both fours away; the fours stage still starts on
    // the two fours of the first count.
    dice({5, 5, 6, 4, 4, 1});
    pf.faces({1, 2, 3});
    pf.faces({4, 4, 6, 4, 1, 6});
    const Column before = st.compscore;
    computer.runFrom(&Computer::proverka2_3);
    expectEntry(cat::dva_tri, 30, "wow.wav", before);
    EXPECT_EQ(faces(st), (std::vector<int>{4, 4, 6, 6, 4, 6}));
}

TEST_F(TwoTriplesTest, NoStageForTheDiceGoesStraightOnAtEveryStrength) {
    for (u8 level : {strength::master, strength::novice, strength::pro}) {
        SCOPED_TRACE(static_cast<int>(level));
        st.level = level;
        st.compscore = {};
        written({cat::dva_tri});
        // Untouched here; the 3/2 check makes three pairs of them.
        dice({4, 5, 6, 1, 2, 3});
        pf.faces({4, 5, 6});
        const Column before = st.compscore;
        computer.runFrom(&Computer::proverka2_3);
        expectEntry(cat::tri_dva, 30, "wow.wav", before);
    }
    st.level = strength::novice;
    st.compscore = {};
    dice({1, 2, 3, 1, 2, 3});
    const Column before = st.compscore;
    EXPECT_FALSE(run(&Computer::proverka2_3)); // the threes check wants a die
    expectWentOn(before, {1, 2, 3, 1, 2, 3});
}

} // namespace
} // namespace kvint::test
