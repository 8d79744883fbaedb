#pragma once

#include "game/sounds.h"
#include "game/state.h"

#include <cstddef>
#include <initializer_list>

namespace kvint {

class Game;
class Controls;

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
// rules give them. It works on the game's state and controls and reaches the
// world through the game's own services (dice, sounds, the end of the game).
class Computer {
  public:
    explicit Computer(Game& game);
    Computer(const Computer&) = delete;
    Computer& operator=(const Computer&) = delete;

    // True while the computer plays its turn: from its roll to its entry or
    // its giving up, sounds and boxes included.
    [[nodiscard]] bool playing() const { return rolling_; }

    void broskom();
    void broskom1();
    void julik();
    void proverkastrit();
    void proverka();
    void proverka2_3();
    void PROVERKA3_2();
    void proverkacare();
    void proverka5();
    void proverka4();
    void proverka3();
    void proverka2();
    void proverka1();
    void proverka21();
    void proverka31();
    void proverka654();

  private:
    // Steps shared by the checks.
    void entry(std::size_t k, u8 v, Sound s);
    void countFaces(std::initializer_list<Face> faces);
    void keepRerollTwice(std::initializer_list<Face> keep);
    void keepRerollOnce(std::initializer_list<Face> keep); // one pass, one throw per die
    bool giveUp(); // true when the novice ends the turn here
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

    // Stages of the checks. A stage returns true when the turn is over: an
    // entry was made or the novice gave up.
    void computerRoll();
    bool rollEntry();
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

    Game& game_;
    State& st_;
    Controls& ui_;
    bool rolling_ = false;       // a roll is under way
    bool newRollWanted_ = false; // julik asked for a new roll while one was under way
};

} // namespace kvint
