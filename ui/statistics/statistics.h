#pragma once

#include "game/platform.h"

#include <QDate>
#include <QJsonObject>

#include <array>
#include <cstddef>
#include <optional>

namespace kvint::ui {

// The four rows the figures are kept in: each strength against the computer,
// and two people.
enum class Opponent : std::size_t { novice, master, pro, twoPlayers };
inline constexpr std::size_t kOpponents = 4;

// More games against one opponent than a person can play: a file that counts
// more is damaged, and a count stops here rather than wrap.
inline constexpr int kMostGames = 10'000'000;

// The widest margin a game can end with: one side's sheet at the best throw
// of every category, the other's empty.
int largestMargin();

// Finished games against one opponent. Wins, losses and margins are player
// one's: the person against the computer, the first player between two people.
// Counts stop at kMostGames; a game beyond it changes only best and last.
struct Tally {
    int played = 0;
    int won = 0;
    int lost = 0;
    int drawn = 0;
    int best = 0;            // the largest margin; meaningless while nothing is played
    long long marginSum = 0; // of all margins, for the average
    QDate last;              // the day of the latest game

    [[nodiscard]] double averageMargin() const;
    // Whether these figures can come from games played: counts within
    // kMostGames that add up, margins a game can give.
    [[nodiscard]] bool possible() const;
    friend bool operator==(const Tally&, const Tally&) = default;
};

// Games in which the player asked for a hint or had the trainer on are
// counted in rows of their own, so the plain rows stay the player's own play.
struct Statistics {
    std::array<Tally, kOpponents> rows{};
    std::array<Tally, kOpponents> hinted{};

    Tally& operator[](Opponent o) { return rows.at(static_cast<std::size_t>(o)); }
    const Tally& operator[](Opponent o) const { return rows.at(static_cast<std::size_t>(o)); }
    [[nodiscard]] const Tally& helped(Opponent o) const {
        return hinted.at(static_cast<std::size_t>(o));
    }
    void add(const GameResult& result, const QDate& day, bool withHints = false);
    friend bool operator==(const Statistics&, const Statistics&) = default;
};

Opponent opponentOf(const GameResult& result);

// The file's layout. A file of a later version is not read: its figures
// might mean something this program does not know. Version 1 had no hinted
// rows: all of its games were played without hints.
inline constexpr int kStatisticsVersion = 2;

QJsonObject toJson(const Statistics& figures);
// Nothing when the object is not a statistics file this program can read:
// damaged, impossible figures, or a later version.
std::optional<Statistics> fromJson(const QJsonObject& object);
// Whether the object says it was written by a later version of the program.
bool laterVersion(const QJsonObject& object);

} // namespace kvint::ui
