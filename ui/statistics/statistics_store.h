#pragma once

#include "game/messages.h"
#include "ui/statistics/pending_changes.h"
#include "ui/statistics/statistics.h"

#include <QString>

#include <functional>
#include <utility>

namespace kvint::ui {

// The statistics file in the user's data folder, shared by every window of
// the game. Whatever lies at its path is read warily: a file that cannot be
// read, is damaged, holds impossible figures or comes from a later version
// is moved aside under a dated name and the count starts afresh;
// takeNotice() says so until taken.
//
// This window's games and clears are kept as changes until written. Each
// save takes a lock beside the file, reads the file again, lays the changes
// over it and replaces it whole, so two windows count every game. A save
// that fails (the lock busy, a full disk, a read-only folder) leaves the
// file as it was and keeps the changes for the next save; it is told once.
class StatisticsStore {
  public:
    // Its notices come in lang.
    explicit StatisticsStore(QString file, Language lang = Language::ru);
    StatisticsStore(const StatisticsStore&) = delete; // two would write the same games
    StatisticsStore& operator=(const StatisticsStore&) = delete;
    // Tries once more to write what is still unwritten.
    ~StatisticsStore();
    // statistics.json in QStandardPaths::AppDataLocation.
    static QString defaultFile();

    // The file as it stands now, with the changes not yet written.
    const Statistics& figures();
    // False when the figures could not be written; they are kept in memory.
    // A game played with hints is counted in the hinted rows.
    bool record(const GameResult& result, const QDate& day, bool withHints = false);
    bool clear();
    // What happened to an unreadable file and whether the figures could not
    // be written, once; empty afterwards.
    QString takeNotice();
    // Told after every save that wrote everything.
    void whenSaved(std::function<void()> saved) { saved_ = std::move(saved); }

  private:
    Statistics read();
    void setAside(Msg why);
    bool save();
    bool write();

    QString file_;
    Language lang_;
    PendingChanges pending_;
    Statistics shown_; // what figures() gave last
    QString notice_;
    bool unsaved_ = false;        // the latest save failed
    bool damagedInPlace_ = false; // told already that it will be replaced
    std::function<void()> saved_;
};

} // namespace kvint::ui
