#pragma once

#include <chrono>
#include <functional>

namespace kvint::ui {

using SteadyTime = std::chrono::steady_clock::time_point;

// The game's sounds last well under a second; a file whose header claims
// more than this still holds the game no longer.
inline constexpr std::chrono::milliseconds kLongestWait{3000};

// What a wait for a sound takes from the world: the time, and a way to let
// some of it pass. A pause may end a little early or late; the wait makes up
// for either.
struct Pacing {
    std::function<SteadyTime()> now;
    std::function<void(std::chrono::milliseconds)> pause;
};

// The steady clock, and pauses in which the window keeps repainting but
// takes no input, as if the handler that waits were still running.
Pacing realPacing();

// Returns once `length`, at most kLongestWait, has passed since `start`:
// at once if it already has.
void waitOut(const Pacing& pacing, SteadyTime start, std::chrono::milliseconds length);

} // namespace kvint::ui
