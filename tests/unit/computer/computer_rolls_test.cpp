#include "turn_fixture.h"

namespace kvint::test {
namespace {

// Records each throw the computer reports among the other calls, and checks
// that the dice told are those the game holds at that moment.
class ThrowWatch : public RecordingPlatform {
  public:
    const State* state = nullptr;

    void computerRolled(const std::array<Face, kDice>& dice, int roll) override {
        EXPECT_EQ(dice, state->kubik.values);
        std::string line = "rolled " + std::to_string(roll) + " |";
        for (Face f : dice) {
            line += " " + std::to_string(f);
        }
        calls.push_back(line);
    }
};

TEST(ComputerThrowsTest, EachThrowReachesThePlatformInOrderBeforeTheEntry) {
    ThrowWatch pf;
    Game game{pf, "."};
    Computer computer{game.board()};
    pf.state = &game.state();
    game.setOpponent(computer);
    State& st = game.state();
    // With "strit" written four sixes go to proverka: two throws of the rest,
    // then 30 in the sixes.
    st.compscore(cat::strit) = 21;
    pf.faces({6, 2, 6, 1, 6, 6});
    pf.faces({6, 3});
    pf.faces({4});
    pf.takeCalls();
    computer.broskom();
    EXPECT_EQ(pf.takeCalls(),
              (std::vector<std::string>{"sound dice05.wav 2", "rolled 1 | 6 6 6 6 2 1",
                                        "focus Command4", "rolled 2 | 6 6 6 6 6 3",
                                        "rolled 3 | 6 6 6 6 6 4", "sound ye.wav 0"}));
    EXPECT_EQ(st.compscore(6), 30);

    // The next turn counts from 1 again; a straight made by one die thrown
    // again is told sorted, as the check leaves it.
    st.compscore(cat::strit) = 0;
    pf.faces({6, 5, 4, 3, 2, 2});
    pf.faces({1});
    computer.broskom();
    EXPECT_EQ(pf.takeCalls(), (std::vector<std::string>{
                                  "sound dice05.wav 2", "rolled 1 | 6 5 4 3 2 2", "focus Command4",
                                  "rolled 2 | 1 2 3 4 5 6", "sound wow.wav 0"}));
}

} // namespace
} // namespace kvint::test
