#include "game/outlook.h"
#include "game/categories.h"
#include "game/game.h"

#include <algorithm>
#include <array>
#include <functional>

namespace kvint {

std::optional<Cell> cellOf(Ctl c) {
    struct Family {
        Ctl first;
        bool left;
    };
    static constexpr std::array<Family, 4> families = {{
        {Ctl::Label10, true},
        {Ctl::may1, true},
        {Ctl::Label21, false},
        {Ctl::comp1, false},
    }};
    for (const Family& f : families) {
        if (c >= f.first && c <= offset(f.first, kCategories - 1)) {
            return Cell{f.left, numberIn(f.first, c)};
        }
    }
    return std::nullopt;
}

Outlook entryOutlook(const State& st, Cell cell) {
    const std::optional<Ctl> button = cell.left ? Ctl::Command2 : Ctl::Command5;
    if (const u8 written = (cell.left ? st.mayscore : st.compscore)(cell.k); written != 0) {
        return {Outlook::Outcome::written, written, std::nullopt};
    }
    Dice sorted = st.kubik;
    std::sort(sorted.begin(), sorted.end(), std::greater<>());
    if (const auto points = categoryPoints(cell.k, sorted)) {
        return {Outlook::Outcome::points, *points, button};
    }
    return {Outlook::Outcome::notShown, 0, button};
}

std::optional<Outlook> Game::outlook(Cell cell) const {
    if (writingColumn() != cell.left) {
        return std::nullopt;
    }
    Outlook o = entryOutlook(st_, cell);
    if (o.outcome != Outlook::Outcome::written && diceInAir()) {
        o.outcome = Outlook::Outcome::diceInAir;
        o.points = 0;
    }
    return o;
}

} // namespace kvint
