#include "game/game.h"

#include <array>
#include <string>

namespace kvint {
namespace {

// The report text for one column. The pieces are joined as they stand; the
// left column's last two pieces have no leading blank.
std::string columnReport(const std::string& name, const Column& column, bool leftColumn) {
    const std::array<std::string_view, kCategories> pieces = {
        " в еденицах ",
        " в двойках ",
        " в тройках ",
        " в четверках ",
        " в пятерках ",
        " в шестерках ",
        " в два по три ",
        " в три по два ",
        " в стрите ",
        leftColumn ? "в каре " : " в каре ",
        leftColumn ? "в покере " : " в покере ",
    };
    std::string text = "У " + name;
    for (std::size_t k = 1; k <= kCategories; ++k) {
        text += pieces[k - 1];
        text += std::to_string(column(k));
    }
    return text;
}

} // namespace

void Game::hod_Click() {
    if (st_.turnowner == 1) {
        message("Сейчас ход " + st_.name1);
    }
    if (st_.turnowner == 2) {
        message("Сейчас ход " + st_.name2);
    }
}

void Game::mayschet_Click() {
    message(columnReport(st_.name1, st_.mayscore, true), "Сообщение");
}

void Game::schetcomp_Click() {
    message(columnReport(st_.name2, st_.compscore, false), "Сообщение");
}

// The true totals, never wrapped: a column can hold more than 255 points.
void Game::ochko_Click() {
    message("У " + st_.name1 + std::to_string(columnTotal(st_.mayscore)) + " у " + st_.name2 +
                std::to_string(columnTotal(st_.compscore)),
            "Сообщение");
}

} // namespace kvint
