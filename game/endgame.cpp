#include "game/board.h"

#include <cstdlib>
#include <optional>
#include <string>

namespace kvint {

// The sound and message for the side that is ahead.
struct Board::Verdict {
    std::optional<Sound> sound;
    Msg message;
};

// A judgement looks at one column; the message names `name` when given.
struct Board::Judgement {
    const Column& full;
    const std::string* name;
    Verdict leftAhead;
    Verdict rightAhead;
};

void Board::reportEnd(int left, int right) {
    if (endReported_) {
        return;
    }
    endReported_ = true;
    platform_.gameEnded({st_.gamemode, st_.level, left, right});
}

std::optional<bool> Standing::leftAhead() const {
    if (left == right) {
        return std::nullopt;
    }
    return left > right;
}

Standing Board::standing() const {
    return {columnTotal(st_.mayscore), columnTotal(st_.compscore)};
}

// A draw sounds and reads the same in every judgement.
bool Board::judge(const Judgement& j) {
    if (!columnComplete(j.full)) {
        return false;
    }
    const Standing totals = standing();
    reportEnd(totals.left, totals.right);
    const auto leftAhead = totals.leftAhead();
    if (!leftAhead) {
        sound(Sound::end);
        message(text(Msg::draw), text(Msg::messageCaption));
        return true;
    }
    const Verdict& v = *leftAhead ? j.leftAhead : j.rightAhead;
    const std::string margin = std::to_string(std::abs(totals.left - totals.right));
    if (v.sound) {
        sound(*v.sound);
    }
    message(j.name ? text(v.message, {*j.name, margin}) : text(v.message, {margin}),
            text(Msg::messageCaption));
    return true;
}

// A loss of one's own full column goes without a sound.
bool Board::humanRollJudgement() {
    if (!columnComplete(st_.mayscore)) {
        return rightJudgement();
    }
    return judge({st_.mayscore, &st_.name1, {Sound::end, Msg::namedWin}, {{}, Msg::namedLoss}});
}

bool Board::rightJudgement() {
    return judge({st_.compscore,
                  &st_.name2,
                  {Sound::ooh, Msg::opponentDoneYouWin},
                  {Sound::end, Msg::opponentDoneYouLose}});
}

bool Board::computerTurnJudgement() {
    return judge({st_.mayscore, nullptr, {Sound::end, Msg::win}, {Sound::ooh, Msg::loss}});
}

} // namespace kvint
