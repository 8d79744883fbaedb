#pragma once

#include "game/messages.h"
#include "ui/statistics/statistics.h"

#include <QString>

#include <optional>

namespace kvint::ui {

// The statistics file in the user's data folder. It is read on first use and
// rewritten whole after every change through QSaveFile, so a crash or a full
// disk leaves the previous file, never half of one. A file that cannot be
// read, is damaged or comes from a later version is moved aside under a
// dated name and the count starts afresh; takeNotice() says so until taken.
// A write that fails is told the same way, once.
class StatisticsStore {
  public:
    // Its notices come in lang.
    explicit StatisticsStore(QString file, Language lang = Language::ru);
    // statistics.json in QStandardPaths::AppDataLocation.
    static QString defaultFile();

    const Statistics& figures();
    // False when the figures could not be written; they are kept in memory.
    bool record(const GameResult& result, const QDate& day);
    bool clear();
    // What happened to an unreadable file and whether the figures could not
    // be written, once; empty afterwards.
    QString takeNotice();

  private:
    void load();
    void setAside(Msg why);
    bool save();
    bool write();

    QString file_;
    Language lang_;
    std::optional<Statistics> figures_;
    QString notice_;
    bool unsaved_ = false; // the latest write failed
};

} // namespace kvint::ui
