#pragma once

#include "computer/computer.h"
#include "game/game.h"
#include "support/recording_platform.h"

#include <gtest/gtest.h>

namespace kvint::test {

// A game on the recording platform with the computer at the right column,
// as the window sets one up.
struct ComputerGameTest : ::testing::Test {
    RecordingPlatform pf;
    Game game{pf, "."};
    Computer computer{game.board()};

    ComputerGameTest() { game.setOpponent(computer); }
};

} // namespace kvint::test
