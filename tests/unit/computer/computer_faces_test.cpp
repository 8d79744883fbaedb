#include "chain_fixture.h"

namespace kvint::test {
namespace {

using FacesTest = ChainTest;

TEST_F(FacesTest, SixFivesFillACombinationBeforeTheFace) {
    dice({5, 5, 5, 5, 5, 5});
    Column before = st.compscore;
    computer.runFrom(&Computer::proverka5);
    expectEntry(cat::dva_tri, 30, "wow.wav", before);

    dice({5, 5, 5, 5, 5, 5});
    before = st.compscore;
    computer.runFrom(&Computer::proverka5);
    expectEntry(cat::tri_dva, 30, "wow.wav", before);

    dice({5, 5, 5, 5, 5, 5});
    before = st.compscore;
    computer.runFrom(&Computer::proverka5);
    expectEntry(5, 30, "ye.wav", before);
}

TEST_F(FacesTest, FivesWithNothingToFillPassTheSameDiceOn) {
    allWrittenBut({4});
    dice({5, 5, 4, 4, 4, 1});
    pf.faces({4, 1, 1, 1, 1}); // all taken by the fours check
    const Column before = st.compscore;
    computer.runFrom(&Computer::proverka5);
    expectEntry(4, 16, "ye.wav", before);
    EXPECT_EQ(faces(st), (std::vector<int>{4, 1, 4, 4, 4, 1}));
}

TEST_F(FacesTest, ThreeFivesAfterTheRerollAreNotEnoughAndTheChangedDiceGoOn) {
    allWrittenBut({4, 5});
    dice({5, 5, 4, 1, 1, 1});
    pf.faces({5, 4, 4, 4, 4, 1, 1}); // fives: 5 5 5 4 4 1, one short
    pf.faces({4, 4, 4, 1, 1});       // fours keep the two the fives left
    const Column before = st.compscore;
    computer.runFrom(&Computer::proverka5);
    expectEntry(4, 20, "ye.wav", before);
    EXPECT_EQ(faces(st), (std::vector<int>{4, 4, 4, 4, 4, 1}));
}

TEST_F(FacesTest, FoursAreKeptFromTwoAndWrittenFromFour) {
    dice({4, 4, 4, 1, 2, 6});
    pf.faces({4, 4, 4});
    Column before = st.compscore;
    computer.runFrom(&Computer::proverka4);
    expectEntry(4, 24, "ye.wav", before);

    st.compscore(4) = 0;
    dice({4, 4, 4, 1, 2, 6});
    pf.faces({3, 3, 3, 3, 4});
    before = st.compscore;
    computer.runFrom(&Computer::proverka4);
    expectEntry(4, 16, "ye.wav", before);
    EXPECT_EQ(faces(st), (std::vector<int>{4, 4, 4, 3, 3, 4}));
}

TEST_F(FacesTest, ThreeFoursThatStayThreeHandTheChangedDiceToTheThrees) {
    allWrittenBut({3, 4});
    dice({4, 4, 4, 1, 2, 6});
    pf.faces({3, 3, 3, 3, 5, 5}); // 4 4 4 3 3 5
    pf.faces({3, 3, 3, 1, 1});    // the threes keep the two the fours made
    const Column before = st.compscore;
    computer.runFrom(&Computer::proverka4);
    expectEntry(3, 15, "ye.wav", before);
    EXPECT_EQ(faces(st), (std::vector<int>{3, 3, 3, 3, 3, 1}));
}

TEST_F(FacesTest, ThreesTwosAndOnesWriteAtTheirOwnThresholds) {
    allWrittenBut({3});
    dice({3, 3, 1, 2, 4, 5});
    pf.faces({3, 1, 1, 1, 1, 1, 1});
    Column before = st.compscore;
    computer.runFrom(&Computer::proverka3);
    expectEntry(3, 9, "ye.wav", before);

    allWrittenBut({2});
    dice({2, 2, 1, 3, 4, 5});
    pf.faces({1, 1, 1, 1, 1, 1, 1, 1});
    before = st.compscore;
    computer.runFrom(&Computer::proverka2);
    expectEntry(2, 4, "ye.wav", before);

    allWrittenBut({1});
    dice({6, 2, 3, 4, 5, 1});
    pf.faces({2, 2, 2, 2, 2, 2, 2, 2, 2, 2});
    before = st.compscore;
    computer.runFrom(&Computer::proverka1);
    expectEntry(1, 1, "ye.wav", before);
    EXPECT_EQ(faces(st), (std::vector<int>{2, 2, 2, 2, 2, 1}));
}

TEST_F(FacesTest, OneTwoIsLeftAloneFirstAndGetsASecondChanceThatNeedsThree) {
    allWrittenBut({2});
    dice({2, 1, 1, 1, 1, 1});
    pf.faces({2, 1, 1, 1, 1, 1, 1, 1, 1}); // only the second chance throws
    Column before = st.compscore;
    computer.runFrom(&Computer::proverka2);
    expectNoEntry(before); // two twos end the chain with nothing
    EXPECT_EQ(sounds(), std::vector<std::string>{"thin.wav 0"});
    EXPECT_EQ(faces(st), (std::vector<int>{2, 2, 1, 1, 1, 1}));
    EXPECT_EQ(shown(), diceText());
    EXPECT_TRUE(pf.randoms.empty());

    dice({2, 1, 1, 1, 1, 1});
    pf.faces({2, 2, 1, 1, 1, 1, 1, 1});
    before = st.compscore;
    computer.runFrom(&Computer::proverka2);
    expectEntry(2, 6, "ye.wav", before);
}

TEST_F(FacesTest, AWrittenFaceIsNeverThrownFor) {
    allWrittenBut({cat::kvint});
    dice({4, 4, 4, 4, 1, 1}); // no draw is queued: any throw would fail
    const Column before = st.compscore;
    computer.runFrom(&Computer::proverka4);
    expectEntry(cat::kvint, 18, "ye.wav", before);
}

} // namespace
} // namespace kvint::test
