#pragma once

#include "ui/statistics/statistics.h"

#include <optional>
#include <vector>

namespace kvint::ui {

// What one window has changed in the statistics file and not yet written:
// a clear, and the games recorded since. Another window may write the file
// in between, so the changes are kept as changes and laid over the file as
// it stands when they are finally written.
//
// A clear wipes the games the file held when the clear was made. Games that
// another window wrote after it are kept: they are the rise in a row's
// counts since the clear; when a count fell instead, the file was cleared
// again since and all of that row came later.
class PendingChanges {
  public:
    // `file` is the file's figures as this window sees them now.
    void clear(const Statistics& file);
    void add(const GameResult& result, const QDate& day, bool withHints);

    // The file's figures with these changes laid over them.
    [[nodiscard]] Statistics over(const Statistics& file) const;
    [[nodiscard]] bool empty() const { return !clearedFrom_ && games_.empty(); }

  private:
    struct Game {
        GameResult result;
        QDate day;
        bool withHints = false;
    };

    std::optional<Statistics> clearedFrom_; // the file when it was cleared here
    std::vector<Game> games_;
};

} // namespace kvint::ui
