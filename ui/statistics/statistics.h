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

// Finished games against one opponent. Wins, losses and margins are player
// one's: the person against the computer, the first player between two people.
struct Tally {
    int played = 0;
    int won = 0;
    int lost = 0;
    int drawn = 0;
    int best = 0;            // the largest margin; meaningless while nothing is played
    long long marginSum = 0; // of all margins, for the average
    QDate last;              // the day of the latest game

    [[nodiscard]] double averageMargin() const;
    friend bool operator==(const Tally&, const Tally&) = default;
};

struct Statistics {
    std::array<Tally, kOpponents> rows{};

    Tally& operator[](Opponent o) { return rows.at(static_cast<std::size_t>(o)); }
    const Tally& operator[](Opponent o) const { return rows.at(static_cast<std::size_t>(o)); }
    void add(const GameResult& result, const QDate& day);
    friend bool operator==(const Statistics&, const Statistics&) = default;
};

Opponent opponentOf(const GameResult& result);

// The file's layout. A file of a later version is not read: its figures
// might mean something this program does not know.
inline constexpr int kStatisticsVersion = 1;

QJsonObject toJson(const Statistics& figures);
// Nothing when the object is not a statistics file this program can read.
std::optional<Statistics> fromJson(const QJsonObject& object);

} // namespace kvint::ui
