#include "ui/modern/table_model.h"

#include "game/game.h"
#include "game/side_name.h"
#include "ui/access/spoken_texts.h"
#include "ui/common/qstring_conv.h"

namespace kvint::ui {
namespace {

Msg meaningOf(std::size_t k) {
    return static_cast<Msg>(static_cast<std::size_t>(Msg::meaningOnes) + k - 1);
}

// Points in the column are the rules' own: 0 is a free category, also after
// a face was written with 0 points.
ScoreEntry entryOf(const Game& game, Cell cell) {
    const u8 points = (cell.left ? game.state().mayscore : game.state().compscore)(cell.k);
    ScoreEntry entry;
    entry.written = points != 0;
    entry.points = points;
    const auto outlook = game.outlook(cell);
    if (!outlook || outlook->outcome == Outlook::Outcome::written) {
        return entry;
    }
    entry.writable = true;
    if (outlook->outcome == Outlook::Outcome::points) {
        entry.previewPoints = outlook->points;
    }
    entry.preview = previewText(game, cell);
    return entry;
}

std::optional<std::size_t> sideToMove(Phase phase) {
    switch (phase) {
    case Phase::leftSide:
        return 0;
    case Phase::rightSide:
    case Phase::computer:
        return 1;
    case Phase::setup:
    case Phase::over:
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

ScoreModel tableModel(const Game& game) {
    ScoreModel model;
    model.lang = game.language();
    for (std::size_t k = 1; k <= kCategories; ++k) {
        model.categories.at(k - 1) = categoryName(game, {true, k});
        model.meanings.at(k - 1) = textOf(model.lang, meaningOf(k));
    }
    for (std::size_t side = 0; side < model.sides.size(); ++side) {
        const bool left = side == 0;
        ScoreSide& s = model.sides.at(side);
        s.name = toQString(sideName(game, left));
        for (std::size_t k = 1; k <= kCategories; ++k) {
            s.entries.at(k - 1) = entryOf(game, {left, k});
        }
    }
    model.toMove = sideToMove(game.phase());
    return model;
}

} // namespace kvint::ui
