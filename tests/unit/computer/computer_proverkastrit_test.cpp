#include "turn_fixture.h"

namespace kvint::test {
namespace {

using StraightTest = TurnTest;

TEST_F(StraightTest, ASingleDuplicateGetsTwoThrowsAtTheStraight) {
    st.facesum(6) = 12; // no count of its own: left alone
    dice({5, 4, 3, 2, 1, 1});
    pf.faces({6});
    Column before = st.compscore;
    computer.runFrom(&Computer::proverkastrit);
    expectEntry(cat::strit, 21, "wow.wav", before);
    EXPECT_EQ(shown(), (std::vector<std::string>{"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(st.pairs, 1);
    EXPECT_EQ(st.facesum(6), 12);

    // The first throw gives another duplicate; the second throws that one.
    st.compscore = {};
    dice({5, 4, 3, 2, 1, 1});
    pf.faces({2, 6});
    before = st.compscore;
    computer.runFrom(&Computer::proverkastrit);
    expectEntry(cat::strit, 21, "wow.wav", before);
}

TEST_F(StraightTest, TwoMissesHandTheDiceOnInAscendingOrder) {
    dice({5, 4, 3, 2, 1, 1});
    pf.faces({1, 1});
    const Column before = st.compscore;
    EXPECT_FALSE(run(&Computer::proverkastrit));
    expectWentOn(before, {1, 1, 2, 3, 4, 5});
    EXPECT_EQ(st.pairs, 1);
}

TEST_F(StraightTest, TwoDuplicatesOrATripleAreNotThrown) {
    // With only the straight open and no five or six, the rest of the chain
    // throws nothing and the turn ends showing the dice.
    allWrittenBut({cat::strit});
    dice({2, 2, 1, 1, 3, 4});
    EXPECT_TRUE(run(&Computer::proverkastrit));
    EXPECT_EQ(st.pairs, 2);
    EXPECT_EQ(shown(), (std::vector<std::string>{"1", "1", "2", "2", "3", "4"}));
    EXPECT_EQ(sounds(), std::vector<std::string>{"thin.wav 0"});

    dice({4, 3, 2, 1, 1, 1});
    EXPECT_TRUE(run(&Computer::proverkastrit));
    EXPECT_EQ(st.pairs, 2);
    EXPECT_EQ(faces(st), (std::vector<int>{1, 1, 1, 2, 3, 4}));
}

TEST_F(StraightTest, AWrittenStraightPassesTheDiceOnUnsorted) {
    allWrittenBut({cat::kvint});
    dice({3, 3, 2, 2, 1, 1});
    const Column before = st.compscore;
    computer.runFrom(&Computer::proverkastrit); // the last check puts the total into "kvint"
    expectEntry(cat::kvint, 12, "ye.wav", before);
    EXPECT_EQ(shown(), (std::vector<std::string>{"3", "3", "2", "2", "1", "1"}));
}

} // namespace
} // namespace kvint::test
