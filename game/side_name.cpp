#include "game/side_name.h"

namespace kvint {

std::string sideName(const Game& game, bool left) {
    const State& st = game.state();
    const bool twoPlayers = st.gamemode == 1;
    if (left && !st.name1.empty()) {
        return st.name1;
    }
    if (!left && twoPlayers && !st.name2.empty()) {
        return st.name2;
    }
    if (left) {
        return format(game.language(), twoPlayers ? Msg::spokenPlayerOne : Msg::spokenYou);
    }
    return format(game.language(), twoPlayers ? Msg::spokenPlayerTwo : Msg::spokenComputer);
}

} // namespace kvint
