#include "chain_fixture.h"

namespace kvint::test {
namespace {

using CareTest = ChainTest;

TEST_F(CareTest, SixSixesGoToTheFirstFreeOfTwoTriplesThreePairsAndTheFace) {
    dice({6, 6, 6, 6, 6, 6});
    Column before = st.compscore;
    computer.runFrom(&Computer::proverkacare);
    expectEntry(cat::dva_tri, 36, "wow.wav", before);

    dice({6, 6, 6, 6, 6, 6});
    before = st.compscore;
    computer.runFrom(&Computer::proverkacare);
    expectEntry(cat::tri_dva, 36, "wow.wav", before);

    dice({6, 6, 6, 6, 6, 6}); // nothing to throw: the queue is empty
    before = st.compscore;
    computer.runFrom(&Computer::proverkacare);
    expectEntry(6, 36, "ye.wav", before);
}

TEST_F(CareTest, FourOrMoreSixesTakeTheFaceBeforeCareAndCareIsAlways24) {
    dice({6, 6, 1, 2, 3, 4});
    pf.faces({6, 6, 1, 1, 2, 2});
    Column before = st.compscore;
    computer.runFrom(&Computer::proverkacare);
    expectEntry(6, 24, "ye.wav", before);
    EXPECT_EQ(faces(st), (std::vector<int>{6, 6, 6, 6, 1, 2}));

    dice({6, 6, 6, 1, 2, 3});
    pf.faces({6, 6, 1, 1});
    before = st.compscore;
    computer.runFrom(&Computer::proverkacare);
    expectEntry(cat::care, 24, "wow.wav", before);
    EXPECT_EQ(faces(st), (std::vector<int>{6, 6, 6, 6, 6, 1}));
}

TEST_F(CareTest, KvintAfterTheRerollNeedsATotalOf29) {
    written({cat::care});
    st.level = strength::novice;
    dice({6, 6, 1, 1, 1, 1});
    pf.faces({5, 5, 5, 5, 6, 1, 1}); // 6 6 5 5 6 1 = 29
    Column before = st.compscore;
    computer.runFrom(&Computer::proverkacare);
    expectEntry(cat::kvint, 29, "wow.wav", before);

    st.compscore(cat::kvint) = 0;
    dice({6, 6, 1, 1, 1, 1});
    pf.faces({5, 5, 4, 4, 6, 1, 1}); // 28: the novice gives up
    before = st.compscore;
    computer.runFrom(&Computer::proverkacare);
    expectNoEntry(before);
    EXPECT_EQ(sounds(), std::vector<std::string>{"thin.wav 0"});
    EXPECT_EQ(st.dicesum, 28);
}

TEST_F(CareTest, OneSixLeavesTheDiceToTheFivesCheck) {
    dice({6, 5, 5, 5, 5, 1});
    pf.faces({2, 3, 5}); // only the fives check throws: the 6, then the 1
    const Column before = st.compscore;
    computer.runFrom(&Computer::proverkacare);
    expectEntry(5, 25, "ye.wav", before);
    EXPECT_EQ(faces(st), (std::vector<int>{3, 5, 5, 5, 5, 5}));
}

TEST_F(CareTest, SixAndCareWrittenMeansNoRerollAndNoKvintTest) {
    allWrittenBut({4, cat::kvint});
    dice({6, 6, 5, 5, 4, 4}); // total 30, yet "kvint" is not tried here
    pf.faces({4, 4, 4, 1, 1});
    const Column before = st.compscore;
    computer.runFrom(&Computer::proverkacare);
    expectEntry(4, 20, "ye.wav", before);
    EXPECT_EQ(faces(st), (std::vector<int>{4, 4, 4, 1, 4, 4}));
}

TEST_F(CareTest, FailedChaseEndsTheNovicesTurnWithoutShowingTheDice) {
    written({cat::kvint});
    st.level = strength::novice;
    dice({6, 6, 1, 2, 3, 4});
    pf.faces({6, 1, 1, 1, 1, 1, 1});
    const Column before = st.compscore;
    computer.runFrom(&Computer::proverkacare);
    expectGaveUp(before);
}

TEST_F(CareTest, FailedChaseGoesOnWithTheRethrownDiceAtOtherLevels) {
    for (u8 level : {strength::master, strength::pro}) {
        allWrittenBut({1, 6});
        st.level = level;
        dice({6, 6, 1, 2, 3, 4});
        pf.faces({6, 1, 1, 1, 1, 1, 1}); // three sixes and three ones
        pf.faces({1, 2, 2, 2, 2});       // the ones check throws the sixes
        const Column before = st.compscore;
        computer.runFrom(&Computer::proverkacare);
        expectEntry(1, 4, "ye.wav", before);
        EXPECT_EQ(faces(st), (std::vector<int>{1, 2, 2, 1, 1, 1}));
    }
}

} // namespace
} // namespace kvint::test
