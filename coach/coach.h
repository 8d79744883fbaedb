#pragma once

#include "coach/computer_model.h"
#include "coach/dice_space.h"
#include "coach/endgame.h"
#include "coach/novice_solution.h"
#include "coach/race.h"
#include "coach/solo.h"
#include "coach/turn.h"
#include "game/state.h"

#include <array>
#include <cstddef>
#include <optional>

namespace kvint::coach {

enum class Side : unsigned char { left, right };

// A decision point of a human turn, as the game's state shows it: the mode
// and strength, whose move it is, the number of the roll just made, both
// columns and the six dice.
struct Position {
    u8 level = strength::master; // read only against the computer
    u8 mode = 0;                 // 0 against the computer, 1 two people
    Side side = Side::left;      // right only with two people
    u8 roll = 1;                 // brosnum: 1 after the roll of all six, up to 3
    Column left;                 // mayscore
    Column right;                // compscore
    Dice dice;                   // kubik, 1..6 each, as shown

    friend bool operator==(const Position&, const Position&) = default;
};

// What the side to move does now.
struct Decision {
    enum class Kind : unsigned char { reroll, write, pass };
    Kind kind = Kind::pass;
    std::array<bool, kDice> reroll{}; // die i (0-based) is marked and thrown again
    std::size_t category = 0;         // 1..11 for write

    friend bool operator==(const Decision&, const Decision&) = default;
};

struct Advice {
    Decision decision;
    // The estimated probability that the side to move wins the game after
    // this decision; a drawn game counts half.
    double win = 0.0;
};

// Whether the game's rules allow the decision in the position: a re-roll
// only before the third roll with at least one die marked, an entry only
// into a free category of the side to move whose pattern the dice show.
bool allowed(const Position& position, const Decision& decision);

// The advisor. It maximises the chance that the side to move wins the game,
// a draw counting half.
//
// Within the turn it is exact: the six dice as a multiset, every keep of the
// first and second roll, each face of a re-rolled die equally likely, and at
// the end of the turn every entry the rules allow (a face no die shows writes
// 0 and leaves the category free, as a pass does) or a pass. Ending the turn
// is valued by the race across turns (Race): that is where it approximates.
// In a game of two people the other person is taken to play as the coach
// does.
//
// Building it takes its tables' time (well under two seconds of one core):
// the points of each roll, the solo table, and the computer's chain played
// out on scratch games. Afterwards every call is const and may run on any
// thread.
class Coach {
  public:
    Coach();
    // With its own correction of the race (the plain one to learn a new one).
    explicit Coach(const RaceCorrection& correction);
    // Reading the left side's chance against "Новичок" from a solution of
    // that game, which must outlive the coach.
    explicit Coach(const NoviceSolution& novice);
    Coach(const Coach&) = delete;
    Coach& operator=(const Coach&) = delete;

    // The decision that gives the side to move the best chance to win.
    [[nodiscard]] Advice advise(const Position& position) const;
    // The chance to win after a decision the rules allow; one they refuse is
    // valued as a pass.
    [[nodiscard]] double winAfter(const Position& position, const Decision& decision) const;

  private:
    struct Turn;
    [[nodiscard]] Turn turnOf(const Position& position) const;
    [[nodiscard]] Advice bestOf(const Position& position) const;
    [[nodiscard]] float passValue(const Position& position) const;
    [[nodiscard]] float valueAfter(const Position& position, const Decision& decision) const;

    DiceSpace space_;
    PointsTable points_;
    SoloTable solo_;
    ComputerModel computer_;
    Endgame endgame_;
    RaceCorrection correction_;
    Race race_;
};

} // namespace kvint::coach
