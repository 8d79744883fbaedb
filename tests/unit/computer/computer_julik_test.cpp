#include "turn_fixture.h"

#include <algorithm>
#include <cstdint>
#include <set>

namespace kvint::test {
namespace {

using JulikTest = TurnTest;

TEST_F(JulikTest, NewRollOnlyWhenThePersonHoldsTheBigCombinations) {
    // Bits: 1 "2/3", 2 "3/2", 4 "strit", 8 "care" written by the person.
    const std::set<int> newRoll = {1 | 2,         1 | 2 | 4, 1 | 2 | 8,
                                   1 | 2 | 4 | 8, 1 | 4 | 8, 2 | 4 | 8};
    for (int mask = 0; mask < 16; ++mask) {
        SCOPED_TRACE(mask);
        RecordingPlatform p;
        Game g{p, "."};
        Computer c{g.board()};
        g.state().mayscore(cat::dva_tri) = (mask & 1) != 0 ? 30 : 0;
        g.state().mayscore(cat::tri_dva) = (mask & 2) != 0 ? 30 : 0;
        g.state().mayscore(cat::strit) = (mask & 4) != 0 ? 21 : 0;
        g.state().mayscore(cat::care) = (mask & 8) != 0 ? 24 : 0;
        p.takeCalls();
        // A new roll shows "бросай" and then wants its first die, which is not queued.
        bool rolled = false;
        try {
            c.julik();
        } catch (const std::runtime_error&) {
            rolled = true;
        }
        EXPECT_EQ(rolled, newRoll.contains(mask));
        EXPECT_EQ(g.controls()[Ctl::Command4].visible, newRoll.contains(mask));
        EXPECT_TRUE(p.takeCalls().empty());
    }
}

TEST_F(JulikTest, ANewRollJudgesTheGameAgain) {
    st.mayscore = {{5, 5, 5, 5, 5, 5, 30, 30, 21, 24, 30}};
    computer.julik();
    EXPECT_EQ(pf.takeCalls(),
              (std::vector<std::string>{
                  "sound end.wav 0",
                  "msgbox Сообщение | Поздравляю! Вы записали все позиции и выграли 165 очков"}));
}

TEST_F(JulikTest, NoNewRollWhenTheComputerHasNothingLeftToWrite) {
    allWrittenBut({});
    st.mayscore(cat::dva_tri) = 30;
    st.mayscore(cat::tri_dva) = 30;
    EXPECT_TRUE(run(&Computer::julik));
    EXPECT_TRUE(pf.takeCalls().empty());
    EXPECT_FALSE(game.controls()[Ctl::Command4].visible);
}

TEST(JulikLoopTest, TenThousandNewRollsRunOneAfterAnotherOnAFlatStack) {
    RecordingPlatform pf;
    Game game{pf, "."};
    Computer computer{game.board()};
    // How deep the stack is each time a roll gives "бросай" the focus.
    std::vector<std::uintptr_t> depths;
    pf.onCall = [&depths](const std::string& call) {
        if (call.starts_with("focus ")) {
            const char here = 0;
            depths.push_back(reinterpret_cast<std::uintptr_t>(&here));
        }
    };
    State& st = game.state();
    st.level = strength::pro;
    st.mayscore(cat::dva_tri) = 30;
    st.mayscore(cat::tri_dva) = 30;
    for (std::size_t k = 1; k <= kCategories; ++k) {
        st.compscore(k) = k == cat::strit ? 0 : 99;
    }
    // Only the straight is free: 1 1 2 2 3 3 fits nothing and throws nothing
    // again, so each round ends at julik; 6 5 4 3 2 1 at last is the straight.
    constexpr int rounds = 10000;
    for (int r = 0; r < rounds; ++r) {
        pf.faces({1, 1, 2, 2, 3, 3});
    }
    pf.faces({6, 5, 4, 3, 2, 1});
    pf.takeCalls();
    computer.broskom();
    EXPECT_EQ(st.compscore(cat::strit), 21);
    EXPECT_TRUE(pf.randoms.empty());
    ASSERT_EQ(depths.size(), rounds + 1U);
    EXPECT_EQ(std::count(depths.begin(), depths.end(), depths.front()), rounds + 1);
    const auto calls = pf.takeCalls();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "sound wow.wav 0"), 1);
    EXPECT_EQ(calls.back(), "sound wow.wav 0");
    EXPECT_EQ(game.controls()[Ctl::Text6].text, "1");
}

} // namespace
} // namespace kvint::test
