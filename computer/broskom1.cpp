#include "computer/computer.h"
#include "game/categories.h"
#include "game/game.h"
#include "game/panels.h"

namespace kvint {
namespace {

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

// julik asks for a new roll from deep inside the chain. Calling back in only
// records the wish; the outer call rolls again once the chain has unwound, so
// any number of new rolls leaves the stack as it was.
void Computer::broskom1() {
    if (rolling_) {
        newRollWanted_ = true;
        return;
    }
    const Raised rolling(rolling_);
    do {
        newRollWanted_ = false;
        computerRoll();
    } while (newRollWanted_);
}

void Computer::computerRoll() {
    ui_.hide(panel::playerOne);
    ui_.show(panel::computer);
    ui_.show(panel::dice);
    if (game_.computerTurnJudgement()) {
        return;
    }
    clearHighCounts();
    for (std::size_t i = 1; i <= kDice; ++i) {
        game_.rerollDie(i);
    }
    game_.sortDescending();
    game_.setFocus(Ctl::Command4);
    if (rollEntry()) {
        clearHighCounts();
        return;
    }
    proverkastrit();
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

} // namespace kvint
