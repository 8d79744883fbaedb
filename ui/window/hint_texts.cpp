#include "ui/window/hint_texts.h"

#include "ui/access/spoken_texts.h"
#include "ui/common/qstring_conv.h"

#include <cmath>
#include <string>

namespace kvint::ui {
namespace {

constexpr double kCostlyLoss = 0.02;

std::string percent(double win) {
    return std::to_string(std::lround(win * 100.0));
}

std::string diceList(const coach::Decision& decision) {
    std::string list;
    for (std::size_t i = 0; i < kDice; ++i) {
        if (decision.reroll.at(i)) {
            list += (list.empty() ? "" : ", ") + std::to_string(i + 1);
        }
    }
    return list;
}

} // namespace

QString decisionText(const Game& game, coach::Side side, const coach::Decision& decision) {
    const Language lang = game.language();
    switch (decision.kind) {
    case coach::Decision::Kind::reroll:
        return textOf(lang, Msg::coachReroll, {diceList(decision)});
    case coach::Decision::Kind::write: {
        const Cell cell{side == coach::Side::left, decision.category};
        return textOf(lang, Msg::coachWrite, {toStdString(categoryName(game, cell))});
    }
    case coach::Decision::Kind::pass:
        return textOf(lang, Msg::coachPass);
    }
    return {};
}

QString hintText(const Game& game, coach::Side side, const coach::Advice& advice) {
    return textOf(game.language(), Msg::hintNote,
                  {toStdString(decisionText(game, side, advice.decision)), percent(advice.win)});
}

QString reviewText(const Game& game, const Review& review) {
    return textOf(game.language(), Msg::trainerNote,
                  {toStdString(decisionText(game, review.position.side, review.best.decision)),
                   percent(review.best.win), percent(review.takenWin)});
}

bool costly(const Review& review) {
    return review.best.decision != review.taken && review.best.win - review.takenWin > kCostlyLoss;
}

} // namespace kvint::ui
