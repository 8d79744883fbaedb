#include "turn_fixture.h"

namespace kvint::test {
namespace {

using ThreePairsTest = TurnTest;

TEST_F(ThreePairsTest, WrittenThreePairsHandTheDiceOnUntouchedAtEveryStrength) {
    for (u8 level : {strength::master, strength::novice, strength::pro}) {
        SCOPED_TRACE(static_cast<int>(level));
        st.level = level;
        written({cat::tri_dva});
        dice({4, 5, 6, 6, 1, 2});
        // The care check keeps the sixes and throws from the first die on.
        pf.faces({6});
        const Column before = st.compscore;
        EXPECT_FALSE(run(&Computer::PROVERKA3_2));
        expectWentOn(before, {6, 5, 6, 6, 1, 2});
    }
}

TEST_F(ThreePairsTest, OneEachOfFourFiveSixBecomeThreePairs) {
    dice({4, 5, 6, 1, 2, 3});
    pf.faces({4, 5, 6});
    const Column before = st.compscore;
    computer.runFrom(&Computer::PROVERKA3_2);
    expectEntry(cat::tri_dva, 30, "wow.wav", before);
    EXPECT_EQ(shown(), (std::vector<std::string>{"4", "5", "6", "4", "5", "6"}));
}

TEST_F(ThreePairsTest, NoPairsButEnoughForKvint) {
    dice({4, 4, 5, 6, 6, 1});
    pf.faces({3, 4});
    Column before = st.compscore;
    computer.runFrom(&Computer::PROVERKA3_2);
    expectEntry(cat::kvint, 29, "wow.wav", before);
    EXPECT_EQ(faces(st), (std::vector<int>{4, 4, 5, 6, 6, 4}));

    // A four at the first throw is not thrown again.
    st.compscore = {};
    dice({4, 4, 5, 6, 6, 1});
    pf.faces({4});
    before = st.compscore;
    computer.runFrom(&Computer::PROVERKA3_2);
    expectEntry(cat::kvint, 29, "wow.wav", before);
}

TEST_F(ThreePairsTest, TooLittleForKvint) {
    for (u8 level : {strength::master, strength::novice}) {
        SCOPED_TRACE(static_cast<int>(level));
        st.level = level;
        dice({4, 4, 5, 6, 6, 1});
        pf.faces({3, 2});
        const Column before = st.compscore;
        if (level == strength::novice) {
            EXPECT_TRUE(run(&Computer::PROVERKA3_2));
            expectGaveUp(before);
        } else {
            // Neither later stage starts; the care check then wants a die.
            EXPECT_FALSE(run(&Computer::PROVERKA3_2));
            expectWentOn(before, {4, 4, 5, 6, 6, 2});
        }
        EXPECT_EQ(st.dicesum, 27);
    }
}

TEST_F(ThreePairsTest, FivesAndSixesAfterThePairsFailed) {
    struct Case {
        std::vector<std::size_t> written;
        std::vector<int> drawn;
        std::size_t k;
        int v;
    };
    const std::vector<Case> cases = {
        {{cat::kvint}, {5, 6}, cat::dva_tri, 33},
        {{cat::kvint}, {5, 5}, cat::tri_dva, 32},
    };
    for (const Case& c : cases) {
        st.compscore = {};
        for (std::size_t k : c.written) {
            st.compscore(k) = 99;
        }
        dice({4, 5, 5, 6, 6, 1});
        for (int f : c.drawn) {
            pf.faces({f});
        }
        const Column before = st.compscore;
        computer.runFrom(&Computer::PROVERKA3_2);
        expectEntry(c.k, c.v, "wow.wav", before);
    }
}

TEST_F(ThreePairsTest, TheNoviceStopsWhenThePairsFail) {
    st.level = strength::novice;
    written({cat::kvint});
    dice({4, 5, 5, 6, 6, 1});
    pf.faces({6});
    const Column before = st.compscore;
    EXPECT_TRUE(run(&Computer::PROVERKA3_2));
    expectGaveUp(before);
}

TEST_F(ThreePairsTest, FivesAndSixesFailingSkipTheFoursStage) {
    written({cat::kvint});
    dice({4, 5, 5, 6, 6, 1});
    pf.faces({6, 1});
    const Column before = st.compscore;
    EXPECT_FALSE(run(&Computer::PROVERKA3_2));
    expectWentOn(before, {1, 5, 5, 6, 6, 6});
}

TEST(ThreePairsSoundTest, FourSixesAndTwoFivesSoundTwiceWithTheFirstDieBetween) {
    RecordingPlatform pf;
    Game game{pf, "."};
    Computer computer{game.board()};
    // What the first two dice boxes show at each sound.
    std::vector<std::string> seen;
    pf.onCall = [&](const std::string& call) {
        if (call.starts_with("sound ")) {
            const Controls& ui = game.controls();
            seen.push_back(call + " [" + ui[Ctl::Text1].text + "," + ui[Ctl::Text2].text + "]");
        }
    };
    State& st = game.state();
    st.compscore(cat::kvint) = 99;
    st.kubik = {{4, 5, 5, 6, 6, 1}};
    pf.faces({6, 6});
    computer.runFrom(&Computer::PROVERKA3_2);
    EXPECT_EQ(seen, (std::vector<std::string>{"sound wow.wav 0 [,]", "sound ye.wav 0 [6,]"}));
    EXPECT_EQ(pf.takeCalls(), (std::vector<std::string>{"sound wow.wav 0", "sound ye.wav 0"}));
    EXPECT_EQ(st.compscore(cat::tri_dva), 34);
    EXPECT_EQ(game.controls()[Ctl::comp8].text, "34");
    EXPECT_EQ(game.controls()[Ctl::Label28].back, 12);
    EXPECT_EQ(game.controls()[Ctl::comp8].back, 12);
    EXPECT_EQ(game.controls()[Ctl::Text6].text, "6");
}

TEST_F(ThreePairsTest, FoursAndSixesAfterThePairsFailed) {
    struct Case {
        std::vector<int> start;
        std::vector<std::size_t> written;
        std::vector<int> drawn;
        std::size_t k;
        int v;
    };
    const std::vector<Case> cases = {
        {{4, 4, 5, 6, 1, 1}, {cat::kvint}, {4, 6, 4}, 4, 16},
        {{4, 4, 5, 6, 1, 1}, {cat::kvint}, {4, 6, 6}, cat::dva_tri, 30},
        {{4, 4, 5, 6, 6, 1}, {cat::kvint, cat::dva_tri}, {6, 6}, cat::care, 24},
        {{4, 4, 5, 6, 6, 1}, {cat::kvint, cat::dva_tri, cat::care}, {6, 6}, 6, 24},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.k);
        st.compscore = {};
        for (std::size_t k : c.written) {
            st.compscore(k) = 99;
        }
        std::size_t i = 1;
        for (int f : c.start) {
            st.kubik(i++) = static_cast<Face>(f);
        }
        for (int f : c.drawn) {
            pf.faces({f});
        }
        const Column before = st.compscore;
        computer.runFrom(&Computer::PROVERKA3_2);
        expectEntry(c.k, c.v, c.k == 4 || c.k == 6 ? "ye.wav" : "wow.wav", before);
    }
}

} // namespace
} // namespace kvint::test
