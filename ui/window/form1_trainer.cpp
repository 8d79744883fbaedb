#include "game/categories.h"
#include "ui/window/form1.h"
#include "ui/window/hint_texts.h"

#include <algorithm>
#include <functional>

namespace kvint::ui {
namespace {

bool anyOf(const std::array<bool, kDice>& dice) {
    return std::ranges::any_of(dice, [](bool d) { return d; });
}

// A face category no die shows takes 0 points and stays free, whichever of
// them is named: the game goes on the same, so the first such one stands
// for the entry the column does not keep.
std::optional<std::size_t> unkeptEntry(const coach::Position& point) {
    Dice sorted = point.dice;
    std::ranges::sort(sorted, std::greater<>());
    for (std::size_t k = 1; k <= kCategories; ++k) {
        const coach::Decision write{coach::Decision::Kind::write, {}, k};
        if (coach::allowed(point, write) && categoryPoints(k, sorted) == 0) {
            return k;
        }
    }
    return std::nullopt;
}

} // namespace

void Form1::switchTrainer(bool on) {
    settings_.trainer = on;
    writeSettings(settings_);
    if (on && inProgress(game_.phase())) {
        noteHelp();
    }
}

// Marking a die decides nothing: the re-roll of the marked dice does. An
// entry made with dice in the air lands them first, a re-roll and an entry
// in one press, which is no single decision of the coach's and is left
// unreviewed.
std::optional<coach::Decision> Form1::decisionTaken(Ctl c, const coach::Position& point,
                                                    const std::array<bool, kDice>& inAir) const {
    const bool left = point.side == coach::Side::left;
    const bool turnMoved = game_.writingColumn() != left;
    if (c == Ctl::Command1) {
        if (!turnMoved && anyOf(inAir) && game_.state().brosnum == point.roll + 1) {
            return coach::Decision{coach::Decision::Kind::reroll, inAir, 0};
        }
        return std::nullopt;
    }
    if (c == (left ? Ctl::Command3 : Ctl::Command6)) {
        return turnMoved ? std::optional(coach::Decision{}) : std::nullopt;
    }
    if (c != (left ? Ctl::Command2 : Ctl::Command5) || anyOf(inAir)) {
        return std::nullopt;
    }
    const Column& before = left ? point.left : point.right;
    const Column& after = left ? game_.state().mayscore : game_.state().compscore;
    for (std::size_t k = 1; k <= kCategories; ++k) {
        if (before(k) == 0 && after(k) != 0) {
            return coach::Decision{coach::Decision::Kind::write, {}, k};
        }
    }
    const auto unkept = turnMoved ? unkeptEntry(point) : std::nullopt;
    if (!unkept) {
        return std::nullopt;
    }
    return coach::Decision{coach::Decision::Kind::write, {}, *unkept};
}

void Form1::reviewChoice(Ctl c, const std::optional<coach::Position>& point,
                         const std::array<bool, kDice>& inAir) {
    if (!settings_.trainer || !point || game_.ended()) {
        return;
    }
    if (const auto taken = decisionTaken(c, *point, inAir)) {
        sayForCoach({}); // the remark on the decision before is done with
        coach_.askReview(*point, *taken);
    }
}

void Form1::showReview(const Review& review) {
    if (settings_.trainer && !game_.ended() && costly(review)) {
        sayForCoach(reviewText(game_, review));
        hintOnView_ = false;
    }
}

} // namespace kvint::ui
