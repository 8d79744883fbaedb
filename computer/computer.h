#pragma once

#include "game/board.h"
#include "game/opponent.h"
#include "game/sounds.h"
#include "game/state.h"

#include <cstddef>
#include <initializer_list>

namespace kvint {

// One line of a check's table: when `applies`, category k receives v with
// the sound named.
struct Rule {
    bool applies;
    std::size_t k;
    u8 v;
    Sound sound;
};

inline bool compFree(const State& st, std::size_t k) {
    return st.compscore(k) == 0;
}

// Six dice add up to 36 at most.
inline u8 diceSum(const State& st) {
    return static_cast<u8>(diceTotal(st.kubik));
}

// The computer's turn: its roll and its chain of checks under the names the
// rules give them. It plays on the game's board: the state and controls, and
// the steps the game takes there too (dice, sounds, entries, the end).
class Computer : public Opponent {
  public:
    // A check of the chain: true when it ended the turn, by an entry or by
    // the novice giving up.
    using Check = bool (Computer::*)();

    explicit Computer(Board& board);

    // From the sound that starts the turn on: once the person's entry or
    // pass has handed the dice over, nothing on view may invite them to act.
    [[nodiscard]] bool playing() const override { return turn_ || rolling_; }

    void broskom() override;
    void broskom1();
    void julik();
    // julik's condition on the person's column: the big combinations taken,
    // so that a turn that finds nothing rolls again.
    [[nodiscard]] static bool julikRollsAgain(const Column& mayscore);
    // Runs the chain from `first` (one of its checks) to the end, as the
    // check before it hands over.
    void runFrom(Check first);

    bool proverkastrit();
    bool proverka();
    bool proverka2_3();
    bool PROVERKA3_2();
    bool proverkacare();
    bool proverka5();
    bool proverka4();
    bool proverka3();
    bool proverka2();
    bool proverka1();
    bool proverka21();
    bool proverka31();
    bool proverka654();

  private:
    // Steps shared by the checks.
    void entry(std::size_t k, u8 v, Sound s);
    void countFaces(std::initializer_list<Face> faces);
    void keepRerollTwice(std::initializer_list<Face> keep);
    void keepRerollOnce(std::initializer_list<Face> keep); // one pass, one throw per die
    bool giveUp(); // true when the novice ends the turn here
    void thrown(); // some dice were thrown: the platform hears of it
    void clearHighCounts();
    // Face f alone: keep it when at least rerollAt is counted, recount, and
    // write category f when the count reaches enterAt; both only while f is
    // free. True when it wrote.
    bool faceCheck(Face f, u8 rerollAt, u8 enterAt);
    // While "kvint" is free, writes the dice total there when it reaches 29.
    bool kvintFrom29();
    // The checks write the first line of their table that applies; false
    // when none does.
    bool enterFirst(std::initializer_list<Rule> rules);

    // The turn itself.
    void computerRoll();
    bool rollEntry();
    void noEntry(); // the chain found nothing to write

    // Stages of the checks. A stage returns true when the turn is over: an
    // entry was made or the novice gave up.
    bool proverkaSixes();
    bool proverkaFives();
    bool proverkaFace(Face f);
    bool fivesSixesTriples();
    bool sixesOneFive();
    bool fivesOneSix();
    bool foursSixesTriples();
    bool sixesOneFour();
    bool foursOnly();
    bool pairsFourFiveSix();
    bool fivesSixesPairs();
    bool foursSixesPairs();
    void fourSixesTwoFives();
    // The last check's stages: true when they wrote.
    bool twoFaces(Face lo, Face hi);
    bool ofAKind(Face f);
    bool fours();
    bool kvintLast();

    Board& board_;
    State& st_;
    Controls& controls_;
    bool turn_ = false;          // broskom is under way, its first sound included
    bool rolling_ = false;       // a roll is under way
    bool newRollWanted_ = false; // julik asked for a new roll while one was under way
    int throws_ = 0;             // the throws of the turn so far, julik's new rolls included
};

} // namespace kvint
