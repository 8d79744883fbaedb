#include "chain_fixture.h"

namespace kvint::test {
namespace {

using ThreesSixesTest = ChainTest;

TEST_F(ThreesSixesTest, AThreeAndASixChaseTwoTriples) {
    dice({3, 6, 1, 1, 1, 1});
    pf.faces({3, 3, 6, 6});
    Column before = st.compscore;
    computer.runFrom(&Computer::proverka31);
    expectEntry(cat::dva_tri, 27, "wow.wav", before);
    EXPECT_EQ(faces(st), (std::vector<int>{3, 6, 3, 3, 6, 6}));

    st.compscore(cat::dva_tri) = 0;
    dice({3, 6, 1, 1, 1, 1});
    pf.faces({6, 6, 6, 1, 1}); // four sixes: "care"
    before = st.compscore;
    computer.runFrom(&Computer::proverka31);
    expectEntry(cat::care, 24, "wow.wav", before);
}

TEST_F(ThreesSixesTest, ThreeThreesAndTwoSixesFillTheThrees) {
    dice({3, 6, 1, 1, 1, 1});
    pf.faces({3, 3, 6, 1, 1});
    const Column before = st.compscore;
    computer.runFrom(&Computer::proverka31);
    expectEntry(3, 9, "ye.wav", before);
    EXPECT_EQ(faces(st), (std::vector<int>{3, 6, 3, 3, 6, 1}));
}

TEST_F(ThreesSixesTest, WithThreesWrittenTheLastCheckGetsTheDice) {
    allWrittenBut({cat::dva_tri});
    dice({3, 6, 1, 1, 1, 1});
    pf.faces({3, 3, 6, 1, 1}); // 3 6 3 3 6 1
    pf.faces({6, 6, 6, 6});    // the last check keeps the sixes
    const Column before = st.compscore;
    computer.runFrom(&Computer::proverka31);
    expectEntry(cat::dva_tri, 36, "wow.wav", before);
}

TEST_F(ThreesSixesTest, ThreesAloneRethrowTheSixesKeptBefore) {
    written({cat::care});
    dice({3, 6, 1, 1, 1, 1});
    pf.faces({3, 6, 1, 1, 1, 1});    // 3 6 3 6 1 1: nothing yet
    pf.faces({3, 1, 1, 1, 1, 1, 1}); // the sixes are thrown now
    const Column before = st.compscore;
    computer.runFrom(&Computer::proverka31);
    expectEntry(3, 9, "ye.wav", before);
    EXPECT_EQ(faces(st), (std::vector<int>{3, 3, 3, 1, 1, 1}));
}

TEST_F(ThreesSixesTest, WrittenTwoTriplesSkipsStraightToTheThrees) {
    written({cat::dva_tri});
    dice({3, 6, 1, 1, 1, 1});
    pf.faces({3, 3, 1, 1, 1, 1, 1, 1});
    const Column before = st.compscore;
    computer.runFrom(&Computer::proverka31);
    expectEntry(3, 9, "ye.wav", before);
    EXPECT_EQ(faces(st), (std::vector<int>{3, 3, 3, 1, 1, 1}));
}

} // namespace
} // namespace kvint::test
