#include "game/game.h"

#include <array>
#include <string>

namespace kvint {
namespace {

// The report for one column: the side's name and the points of each
// category in order.
std::string columnReport(Language lang, const std::string& name, const Column& column,
                         bool leftColumn) {
    std::array<std::string, kCategories> points;
    for (std::size_t k = 1; k <= kCategories; ++k) {
        points[k - 1] = std::to_string(column(k));
    }
    return format(lang, leftColumn ? Msg::leftColumnReport : Msg::rightColumnReport,
                  {name, points[0], points[1], points[2], points[3], points[4], points[5],
                   points[6], points[7], points[8], points[9], points[10]});
}

} // namespace

void Game::hod_Click() {
    if (st_.turnowner == 1) {
        board_.message(board_.text(Msg::turnReport, {st_.name1}));
    }
    if (st_.turnowner == 2) {
        board_.message(board_.text(Msg::turnReport, {st_.name2}));
    }
}

void Game::mayschet_Click() {
    board_.message(columnReport(lang_, st_.name1, st_.mayscore, true),
                   board_.text(Msg::messageCaption));
}

void Game::schetcomp_Click() {
    board_.message(columnReport(lang_, st_.name2, st_.compscore, false),
                   board_.text(Msg::messageCaption));
}

// The true totals, never wrapped: a column can hold more than 255 points.
void Game::ochko_Click() {
    board_.message(
        board_.text(Msg::totalsReport, {st_.name1, std::to_string(columnTotal(st_.mayscore)),
                                        st_.name2, std::to_string(columnTotal(st_.compscore))}),
        board_.text(Msg::messageCaption));
}

} // namespace kvint
