#include "game/status_line.h"

#include "game/side_name.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace kvint {
namespace {

// The category the computer wrote in the traced event.
std::optional<std::size_t> computerEntry(const Game& game, const EventTrace& trace) {
    const Column& now = game.state().compscore;
    for (std::size_t k = 1; k <= kCategories; ++k) {
        if (trace.rightBefore(k) == 0 && now(k) != 0) {
            return k;
        }
    }
    return std::nullopt;
}

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::optional<std::string> computerWrote(const Game& game, const EventTrace& trace) {
    const auto k = computerEntry(game, trace);
    if (!k || game.state().gamemode != 0) {
        return std::nullopt;
    }
    const std::string name = trimmed(game.controls()[compName(*k)].text);
    const std::string points = std::to_string(game.state().compscore(*k));
    return format(game.language(), Msg::statusComputerWrote, {name, points});
}

// What the computer did in the event, with a blank to follow, or nothing.
std::string computerDid(const Game& game, const EventTrace& trace) {
    if (const auto wrote = computerWrote(game, trace)) {
        return *wrote + ' ';
    }
    if (trace.computerPlayed) {
        return format(game.language(), Msg::statusComputerPassed) + ' ';
    }
    return {};
}

// While the computer plays: its entry once made, else the throw on view.
std::string computerPlaying(const Game& game, const EventTrace& trace) {
    if (const auto wrote = computerWrote(game, trace)) {
        return *wrote;
    }
    if (trace.computerThrow == 0) {
        return format(game.language(), Msg::statusComputerTurn);
    }
    return format(game.language(), Msg::statusComputerThrow, {std::to_string(trace.computerThrow)});
}

// The end once judged, by the totals the judgement weighs as they stand now.
std::string outcome(const Game& game) {
    const Standing totals = game.standing();
    const Language lang = game.language();
    const auto leftAhead = totals.leftAhead();
    if (!leftAhead) {
        return format(lang, Msg::statusDraw,
                      {std::to_string(totals.left), std::to_string(totals.right)});
    }
    const auto [won, lost] =
        *leftAhead ? std::pair{totals.left, totals.right} : std::pair{totals.right, totals.left};
    return format(lang, Msg::statusWon,
                  {sideName(game, *leftAhead), std::to_string(won), std::to_string(lost)});
}

// A full column ends the game at the next roll.
std::optional<std::string> columnFull(const Game& game) {
    const State& st = game.state();
    const Language lang = game.language();
    if (columnComplete(st.mayscore)) {
        return format(lang, Msg::statusColumnComplete, {sideName(game, true)});
    }
    if (columnComplete(st.compscore)) {
        return format(lang, Msg::statusColumnComplete, {sideName(game, false)});
    }
    return std::nullopt;
}

// What the side to move does next.
std::string nextStep(const Game& game) {
    const State& st = game.state();
    const Language lang = game.language();
    const std::string name = sideName(game, game.phase() != Phase::rightSide);
    if (!game.writingColumn()) {
        return format(lang, Msg::statusRollNext, {name});
    }
    if (st.brosnum == 0) {
        return {}; // the game's first dice are still to come: its box asks for what it needs
    }
    if (st.brosnum >= 3) {
        return format(lang, Msg::statusLastRoll, {name});
    }
    return format(lang, Msg::statusRolled, {name, std::to_string(st.brosnum)});
}

} // namespace

EventTrace traceBefore(const Game& game) {
    return {game.state().compscore, false, 0};
}

// The end, once judged, stands whoever is at the dice, the computer included:
// its turn may stop at the judgement.
std::string statusLine(const Game& game, const EventTrace& trace) {
    const Phase phase = game.phase();
    if (phase == Phase::setup) {
        return format(game.language(), Msg::statusSetup);
    }
    if (game.endReported()) {
        return computerDid(game, trace) + outcome(game);
    }
    if (phase == Phase::computer) {
        return computerPlaying(game, trace);
    }
    const std::string did = computerDid(game, trace);
    if (const auto full = columnFull(game)) {
        return did + *full;
    }
    return did + nextStep(game);
}

} // namespace kvint
