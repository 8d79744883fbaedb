#include "game/game.h"

#include <cstdlib>
#include <string>

namespace kvint {
namespace {

constexpr std::string_view kCaption = "Сообщение";
constexpr std::string_view kDraw = "Мы набрали одинаковое количество очков";

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
        message(st_.name1 + "Поздравляю! Вы записали все позиции и выграли " + t.margin() +
                    " очков",
                kCaption);
    } else if (t.left < t.right) {
        message(st_.name1 + " Вы записали все позиции, но приэтом проиграли " + t.margin() +
                    " очков",
                kCaption);
    } else {
        sound(Sound::end);
        message(kDraw, kCaption);
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
        message(st_.name2 + " записал все позиции. И по результатам подсчета очкков вы проиграли " +
                    t.margin(),
                kCaption);
    } else if (t.left > t.right) {
        sound(Sound::ooh);
        message(st_.name2 + " записал все позиции, но проиграл вам " + t.margin() + " очков",
                kCaption);
    } else {
        sound(Sound::end);
        message(kDraw, kCaption);
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
        message("Поздравляю! Вы записали все позиции и выграли " + t.margin() + " очков", kCaption);
    } else if (t.left < t.right) {
        sound(Sound::ooh);
        message("Вы записали все позиции, но приэтом проиграли " + t.margin() + " очков", kCaption);
    } else {
        sound(Sound::end);
        message(kDraw, kCaption);
    }
    return true;
}

} // namespace kvint
