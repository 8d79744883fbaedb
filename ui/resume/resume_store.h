#pragma once

#include "game/snapshot.h"

#include <QString>

#include <optional>
#include <string>

namespace kvint::ui {

// What the file of an unfinished game held at start.
struct SavedGame {
    std::optional<Snapshot> snapshot; // a game that reads back whole
    bool hinted = false;              // the coach helped in it
    bool damaged = false;             // something lies there that is no such game
};

// The game in progress, kept in a file of the user's data folder after each
// event, so that a closed window, a crash or a power cut loses at most the
// event under way. Every write replaces the file atomically; one that fails
// leaves the previous file and is tried again at the next keep. The game's
// own record is preceded by a line of the window's, which says whether the
// coach helped in it, so that its statistics row survives the interruption.
class ResumeStore {
  public:
    explicit ResumeStore(QString file);
    // "unfinished-game" in QStandardPaths::AppDataLocation.
    static QString defaultFile();

    // Whatever lies at the path that is not a regular file of a game that
    // reads back whole (a pipe, a device, a file too large or damaged) counts
    // as damaged; nothing there is no game and no damage.
    SavedGame read();
    // Moves a damaged file aside under a dated name, for the player to see.
    void setAside();
    // Writes an exported game, unless the file holds it already.
    void keep(const std::string& exported, bool hinted);
    // Removes the file, unless it is known to be gone.
    void discard();

  private:
    QString file_;
    std::optional<std::string> onDisk_; // what the file holds, as far as this store knows
    bool gone_ = false;                 // nothing is left at the path
};

} // namespace kvint::ui
