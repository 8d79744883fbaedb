#include "turn_fixture.h"

namespace kvint::test {
namespace {

using HighFacesTest = TurnTest;

TEST_F(HighFacesTest, SixSixesGoToTwoTriplesThreePairsThenTheFace) {
    for (std::size_t k : {cat::dva_tri, cat::tri_dva, std::size_t{6}}) {
        SCOPED_TRACE(k);
        dice({6, 6, 6, 6, 1, 2});
        pf.faces({6, 6}); // the second pass finds nothing to throw
        const Column before = st.compscore;
        computer.runFrom(&Computer::proverka);
        expectEntry(k, 36, k == 6 ? "ye.wav" : "wow.wav", before);
        EXPECT_EQ(st.facesum(6), 0);
        st.compscore(k) = 99;
    }
}

TEST_F(HighFacesTest, FourSixesPreferCareFiveSixesTheFace) {
    dice({6, 6, 6, 6, 1, 2});
    pf.faces({1, 2, 3, 4}); // two passes over the two odd dice
    Column before = st.compscore;
    computer.runFrom(&Computer::proverka);
    expectEntry(cat::care, 24, "wow.wav", before);
    EXPECT_EQ(faces(st), (std::vector<int>{6, 6, 6, 6, 3, 4}));

    dice({6, 6, 6, 6, 1, 2}); // "care" now written
    pf.faces({1, 2, 3, 4});
    before = st.compscore;
    computer.runFrom(&Computer::proverka);
    expectEntry(6, 24, "ye.wav", before);

    st.compscore = {};
    dice({6, 6, 6, 6, 1, 2});
    pf.faces({6, 2, 3});
    before = st.compscore;
    computer.runFrom(&Computer::proverka);
    expectEntry(6, 30, "ye.wav", before);

    written({cat::care});
    dice({6, 6, 6, 6, 1, 2});
    pf.faces({6, 2, 3});
    before = st.compscore;
    computer.runFrom(&Computer::proverka);
    expectEntry(cat::kvint, 33, "wow.wav", before);
}

TEST_F(HighFacesTest, FourSixesWithCareAndFaceWrittenGoOnWithTheThrownDice) {
    written({6, cat::care});
    dice({6, 6, 6, 6, 1, 2});
    pf.faces({1, 2, 3, 4});
    const Column before = st.compscore;
    // "kvint" needs five sixes; the 2/3 check then keeps the fours and sixes
    // and wants the three thrown.
    EXPECT_FALSE(run(&Computer::proverka));
    expectWentOn(before, {6, 6, 6, 6, 3, 4});
}

TEST_F(HighFacesTest, FourFivesTakeCombinationsFaceOrKvint) {
    dice({5, 5, 5, 5, 1, 2});
    pf.faces({5, 1, 5});
    Column before = st.compscore;
    computer.runFrom(&Computer::proverka);
    expectEntry(cat::dva_tri, 30, "wow.wav", before);

    dice({5, 5, 5, 5, 1, 2});
    pf.faces({3, 1, 2, 4});
    before = st.compscore;
    computer.runFrom(&Computer::proverka);
    expectEntry(5, 20, "ye.wav", before);

    written({5});
    dice({5, 5, 5, 5, 1, 2});
    pf.faces({5, 4, 4});
    before = st.compscore;
    computer.runFrom(&Computer::proverka);
    expectEntry(cat::kvint, 29, "wow.wav", before);
    EXPECT_EQ(st.dicesum, 29);
    EXPECT_EQ(st.facesum(5), 0);
}

TEST_F(HighFacesTest, FiveFivesAndAThreeAreTooLittleForKvint) {
    written({5, cat::dva_tri});
    dice({5, 5, 5, 5, 1, 2});
    pf.faces({5, 3, 3});
    const Column before = st.compscore;
    EXPECT_FALSE(run(&Computer::proverka));
    EXPECT_EQ(st.dicesum, 28);
    expectWentOn(before, {5, 5, 5, 5, 5, 3});
}

TEST_F(HighFacesTest, ThreesAreJudgedByTheirCountAtTheStart) {
    dice({4, 4, 4, 3, 3, 3});
    // Fours: each three thrown twice, none becomes a four. Threes: no three
    // is left, yet the block runs on the count taken at the start.
    pf.faces({1, 1, 2, 2, 6, 6});
    pf.faces({3, 3, 3, 3, 1, 1, 2, 2});
    const Column before = st.compscore;
    computer.runFrom(&Computer::proverka);
    expectEntry(3, 12, "ye.wav", before);
    EXPECT_EQ(faces(st), (std::vector<int>{3, 3, 3, 3, 1, 2}));

    dice({4, 4, 4, 1, 2, 3});
    pf.faces({4, 1, 1, 2, 2});
    const Column again = st.compscore;
    computer.runFrom(&Computer::proverka);
    expectEntry(4, 16, "ye.wav", again);
}

TEST_F(HighFacesTest, NothingToChaseLeavesTheDiceForTheTwoTriplesCheck) {
    dice({6, 6, 5, 5, 1, 2});
    // Untouched here, then kept and thrown by the 2/3 check.
    pf.faces({5, 3, 6});
    const Column before = st.compscore;
    computer.runFrom(&Computer::proverka);
    expectEntry(cat::dva_tri, 33, "wow.wav", before);
    EXPECT_EQ(faces(st), (std::vector<int>{6, 6, 5, 5, 5, 6}));
}

} // namespace
} // namespace kvint::test
