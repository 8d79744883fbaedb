#include "ui/statistics/pending_changes.h"

namespace kvint::ui {
namespace {

// The games of `now` that came after `then`. Their best margin is the row's
// best: the best of the later games when they raised it, an upper bound of
// theirs otherwise.
Tally gamesSince(const Tally& now, const Tally& then) {
    if (now.won < then.won || now.lost < then.lost || now.drawn < then.drawn) {
        return now;
    }
    if (now.played == then.played) {
        return {};
    }
    const Tally later{now.played - then.played,
                      now.won - then.won,
                      now.lost - then.lost,
                      now.drawn - then.drawn,
                      now.best,
                      now.marginSum - then.marginSum,
                      now.last};
    return later.possible() ? later : now;
}

} // namespace

void PendingChanges::clear(const Statistics& file) {
    clearedFrom_ = file;
    games_.clear();
}

void PendingChanges::add(const GameResult& result, const QDate& day, bool withHints) {
    games_.push_back({result, day, withHints});
}

Statistics PendingChanges::over(const Statistics& file) const {
    Statistics figures = file;
    if (clearedFrom_) {
        for (std::size_t i = 0; i < kOpponents; ++i) {
            figures.rows.at(i) = gamesSince(file.rows.at(i), clearedFrom_->rows.at(i));
            figures.hinted.at(i) = gamesSince(file.hinted.at(i), clearedFrom_->hinted.at(i));
        }
    }
    for (const Game& g : games_) {
        figures.add(g.result, g.day, g.withHints);
    }
    return figures;
}

} // namespace kvint::ui
