#pragma once

#include "coach/computer_chain.h"
#include "coach/dice_space.h"
#include "coach/turn.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace kvint::coach {

// The game against "Новичок" solved exactly, for the best chance any player
// of the left side can have.
//
// At that strength the computer's chain never reaches julik, so it reads
// nothing of the person's column: its column runs as a Markov chain of its
// own (ComputerChain), whatever the person does. The whole state of the
// game between turns is then the person's free set, the computer's state
// and the margin, and the game is solved on it as it stands: the person's
// turns by the within-turn solution (every keep of both re-rolls, every
// entry the rules allow, a face no die shows leaving its category free, as a
// pass does), the computer's by its chain's outcomes, the end judged at the
// start of each roll (a column complete ends the game on the totals, before
// the other side moves). A turn of the computer that writes nothing brings
// the person's turn back to the same state: that value is the fixed point of
// its own turn, found per margin by the secant method.
//
// Where it is not exact: the computer's outcomes are the chain's tallied
// chances (computer_turns.h), its free sets may be folded into classes
// (ComputerChain::folded), and the margin is followed within +-kReach, a
// margin beyond it counting as kReach.
//
// The whole game with every free set of the computer's its own state takes
// about an hour of two cores and 3.4 GB (tools/solve-novice.cpp); folded,
// a few minutes. Smaller free sets may be asked for, as the tests do.
class NoviceSolution {
  public:
    static constexpr int kReach = 100;
    static constexpr std::size_t kMargins = 2 * kReach + 1;

    // Solves every position whose person's free set lies within `mine`, the
    // computer in any state of `computer`, on `threads` threads.
    NoviceSolution(const DiceSpace& space, const PointsTable& points, const ComputerChain& computer,
                   FreeSet mine, unsigned threads = 1);

    // The chance that the person wins, a draw counting half, once its turn
    // has ended with `mine` free (not empty) and the margin, the computer to
    // move with `theirs` free (not empty).
    [[nodiscard]] float afterTurn(FreeSet mine, FreeSet theirs, int margin) const;
    // The same from the computer's state; the margins -kReach..kReach in turn.
    [[nodiscard]] std::span<const float> curve(FreeSet mine, std::uint32_t state) const;
    [[nodiscard]] const ComputerChain& computer() const { return computer_; }
    // The chance from the first roll of a game, both columns empty.
    [[nodiscard]] float atStart() const { return start_; }

  private:
    struct Scratch;
    [[nodiscard]] std::size_t at(FreeSet mine, std::uint32_t state) const;
    void solveMine(Scratch& s, FreeSet mine);
    void solve(Scratch& s, FreeSet mine, std::uint32_t state);
    void computerMove(const Scratch& s, std::uint32_t state, const float* self, float* out) const;
    void turn(Scratch& s, FreeSet mine, std::uint32_t state, const float* pass) const;
    void rollLayer(Scratch& s, const float* later, float* out) const;

    const DiceSpace& space_;
    const PointsTable& points_;
    ComputerChain computer_;
    FreeSet mine_;
    std::vector<std::array<std::uint16_t, 6>> up_; // a set with one die more of each face
    std::vector<float> after_;                     // [mine][state][margin]
    float start_ = 0.0F;
};

} // namespace kvint::coach
