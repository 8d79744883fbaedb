#include "game/game.h"

#include <cstdlib>
#include <string>

namespace kvint {
namespace {

struct Totals {
    int left;
    int right;
    [[nodiscard]] std::string margin() const { return std::to_string(std::abs(left - right)); }
};

Totals totals(const State& st) {
    return {columnTotal(st.mayscore), columnTotal(st.compscore)};
}

} // namespace

void Game::reportEnd(int left, int right) {
    if (endReported_) {
        return;
    }
    endReported_ = true;
    platform_.gameEnded({st_.gamemode, st_.level, left, right});
}

// Before a human roll: the left column first, then the right one.
bool Game::humanRollJudgement() {
    if (!columnComplete(st_.mayscore)) {
        return rightJudgement();
    }
    const Totals t = totals(st_);
    reportEnd(t.left, t.right);
    if (t.left > t.right) {
        sound(Sound::end);
        message(text(Msg::namedWin, {st_.name1, t.margin()}), text(Msg::messageCaption));
    } else if (t.left < t.right) {
        message(text(Msg::namedLoss, {st_.name1, t.margin()}), text(Msg::messageCaption));
    } else {
        sound(Sound::end);
        message(text(Msg::draw), text(Msg::messageCaption));
    }
    return true;
}

bool Game::rightJudgement() {
    if (!columnComplete(st_.compscore)) {
        return false;
    }
    const Totals t = totals(st_);
    reportEnd(t.left, t.right);
    if (t.left < t.right) {
        sound(Sound::end);
        message(text(Msg::opponentDoneYouLose, {st_.name2, t.margin()}), text(Msg::messageCaption));
    } else if (t.left > t.right) {
        sound(Sound::ooh);
        message(text(Msg::opponentDoneYouWin, {st_.name2, t.margin()}), text(Msg::messageCaption));
    } else {
        sound(Sound::end);
        message(text(Msg::draw), text(Msg::messageCaption));
    }
    return true;
}

bool Game::computerTurnJudgement() {
    if (!columnComplete(st_.mayscore)) {
        return false;
    }
    const Totals t = totals(st_);
    reportEnd(t.left, t.right);
    if (t.left > t.right) {
        sound(Sound::end);
        message(text(Msg::win, {t.margin()}), text(Msg::messageCaption));
    } else if (t.left < t.right) {
        sound(Sound::ooh);
        message(text(Msg::loss, {t.margin()}), text(Msg::messageCaption));
    } else {
        sound(Sound::end);
        message(text(Msg::draw), text(Msg::messageCaption));
    }
    return true;
}

} // namespace kvint
