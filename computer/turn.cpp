// The computer's turn: the roll, the chain of checks in its order, and the
// new roll that julik may ask for.
#include "computer/computer.h"
#include "game/categories.h"
#include "game/panels.h"

#include <algorithm>
#include <array>

namespace kvint {
namespace {

// The chain after the roll, in the order its checks take their turn. A check
// that does not end the turn hands the dice to the next one as it leaves them.
// clang-format off
constexpr std::array<Computer::Check, 13> kChain = {
    &Computer::proverkastrit, // the straight, one duplicate thrown again
    &Computer::proverka,      // many sixes, fives, fours or threes
    &Computer::proverka2_3,   // two triples
    &Computer::PROVERKA3_2,   // three pairs
    &Computer::proverkacare,  // "care" and the sixes
    &Computer::proverka5,     // then the faces, high to low
    &Computer::proverka4,
    &Computer::proverka3,
    &Computer::proverka2,
    &Computer::proverka1,
    &Computer::proverka21,    // twos, a second chance
    &Computer::proverka31,    // threes with sixes, then alone
    &Computer::proverka654,   // the last try on the high faces
};
// clang-format on

// Holds a flag up for the length of a scope, however the scope is left.
class Raised {
  public:
    explicit Raised(bool& flag) : flag_(flag) { flag_ = true; }
    ~Raised() { flag_ = false; }
    Raised(const Raised&) = delete;
    Raised& operator=(const Raised&) = delete;

  private:
    bool& flag_;
};

} // namespace

Computer::Computer(Board& board) : board_(board), st_(board.state()), controls_(board.controls()) {}

void Computer::broskom() {
    const Raised turn(turn_);
    board_.sound(Sound::dice05, Wait::untilEndQuietly);
    broskom1();
}

// julik asks for a new roll from the end of the chain. Calling back in only
// records the wish; the outer call rolls again once the chain has unwound, so
// any number of new rolls leaves the stack as it was.
void Computer::broskom1() {
    if (rolling_) {
        newRollWanted_ = true;
        return;
    }
    const Raised rolling(rolling_);
    throws_ = 0;
    do {
        newRollWanted_ = false;
        computerRoll();
    } while (newRollWanted_);
}

void Computer::computerRoll() {
    controls_.hide(panel::playerOne);
    controls_.show(panel::computer);
    controls_.show(panel::dice);
    if (board_.computerTurnJudgement()) {
        return;
    }
    clearHighCounts();
    for (std::size_t i = 1; i <= kDice; ++i) {
        board_.rerollDie(i);
    }
    board_.sortDescending();
    thrown();
    board_.setFocus(Ctl::Command4);
    if (rollEntry()) {
        clearHighCounts();
        return;
    }
    runFrom(kChain.front());
}

void Computer::runFrom(Check first) {
    for (const auto* check = std::ranges::find(kChain, first); check != kChain.end(); ++check) {
        if ((this->**check)()) {
            return;
        }
    }
    noEntry();
}

// The combinations the sorted roll may show outright.
bool Computer::rollEntry() {
    const Dice& d = st_.kubik;
    if (twoTriples(d) && compFree(st_, cat::dva_tri)) {
        st_.sum23 = diceSum(st_);
        if (st_.sum23 >= 27) {
            entry(cat::dva_tri, st_.sum23, Sound::wow);
            return true;
        }
    }
    if (threePairs(d) && compFree(st_, cat::tri_dva)) {
        st_.sum32 = diceSum(st_);
        if (st_.sum32 >= 26) {
            entry(cat::tri_dva, st_.sum32, Sound::wow);
            return true;
        }
    }
    if (isStraight(d) && compFree(st_, cat::strit)) {
        entry(cat::strit, 21, Sound::wow);
        return true;
    }
    return false;
}

// The dice go on show; only the pro may roll again.
void Computer::noEntry() {
    board_.showDice();
    if (st_.level == strength::pro) {
        julik();
        return;
    }
    board_.sound(Sound::thin);
}

// A new roll only when the person has taken the big combinations. With no
// category of its own left free the computer could never write, and the new
// rolls would never end.
void Computer::julik() {
    if (columnComplete(st_.compscore)) {
        return;
    }
    if (julikRollsAgain(st_.mayscore)) {
        broskom1();
    }
}

bool Computer::julikRollsAgain(const Column& mayscore) {
    const bool twoTriples = mayscore(cat::dva_tri) != 0;
    const bool threePairs = mayscore(cat::tri_dva) != 0;
    const bool straight = mayscore(cat::strit) != 0;
    const bool care = mayscore(cat::care) != 0;
    return (twoTriples && threePairs) || (straight && care && (twoTriples || threePairs));
}

} // namespace kvint
