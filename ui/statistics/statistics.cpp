#include "ui/statistics/statistics.h"

#include "game/categories.h"
#include "game/state.h"

#include <QJsonValue>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace kvint::ui {
namespace {

constexpr std::array<const char*, kOpponents> kKeys = {"novice", "master", "pro", "twoPlayers"};

QJsonObject tallyToJson(const Tally& t) {
    return {{"played", t.played},
            {"won", t.won},
            {"lost", t.lost},
            {"drawn", t.drawn},
            {"best", t.best},
            {"marginSum", static_cast<qint64>(t.marginSum)},
            {"last", t.last.toString(Qt::ISODate)}};
}

// A whole number the file states exactly; a fraction, a string or a number
// too large for a double to hold exactly is none.
std::optional<qint64> whole(const QJsonObject& o, const char* key) {
    constexpr double kExact = 9007199254740992.0; // 2^53
    const QJsonValue v = o.value(QLatin1String(key));
    if (!v.isDouble()) {
        return std::nullopt;
    }
    const double d = v.toDouble();
    if (!(std::abs(d) <= kExact) || d != std::trunc(d)) {
        return std::nullopt;
    }
    return static_cast<qint64>(d);
}

std::optional<int> count(const QJsonObject& o, const char* key) {
    const auto n = whole(o, key);
    if (!n || *n < std::numeric_limits<int>::min() || *n > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    return static_cast<int>(*n);
}

std::optional<Tally> tallyFromJson(const QJsonValue& value) {
    if (!value.isObject()) {
        return std::nullopt;
    }
    const QJsonObject o = value.toObject();
    const auto played = count(o, "played");
    const auto won = count(o, "won");
    const auto lost = count(o, "lost");
    const auto drawn = count(o, "drawn");
    const auto best = count(o, "best");
    const auto sum = whole(o, "marginSum");
    const QJsonValue last = o.value(QLatin1String("last"));
    if (!played || !won || !lost || !drawn || !best || !sum || !last.isString()) {
        return std::nullopt;
    }
    const Tally t{
        *played, *won, *lost, *drawn, *best, *sum, QDate::fromString(last.toString(), Qt::ISODate)};
    return t.possible() ? std::optional(t) : std::nullopt;
}

using Rows = std::array<Tally, kOpponents>;

QJsonObject rowsToJson(const Rows& rows) {
    QJsonObject out;
    for (std::size_t i = 0; i < kOpponents; ++i) {
        out.insert(QLatin1String(kKeys.at(i)), tallyToJson(rows.at(i)));
    }
    return out;
}

std::optional<Rows> rowsFromJson(const QJsonValue& value) {
    if (!value.isObject()) {
        return std::nullopt;
    }
    Rows rows;
    for (std::size_t i = 0; i < kOpponents; ++i) {
        const auto tally = tallyFromJson(value.toObject().value(QLatin1String(kKeys.at(i))));
        if (!tally) {
            return std::nullopt;
        }
        rows.at(i) = *tally;
    }
    return rows;
}

// The next throw of six dice sorted highest first, in falling order from six
// sixes; false after six ones.
bool nextThrow(Dice& d) {
    std::size_t i = kDice;
    while (i >= 1 && d(i) == 1) {
        --i;
    }
    if (i == 0) {
        return false;
    }
    const auto lower = static_cast<Face>(d(i) - 1);
    for (std::size_t j = i; j <= kDice; ++j) {
        d(j) = lower;
    }
    return true;
}

} // namespace

// Every category is asked for its points on every throw: the rules of the
// sheet live with the game.
int largestMargin() {
    std::array<int, kCategories> most{};
    Dice d;
    std::fill(d.begin(), d.end(), Face{6});
    do {
        for (std::size_t k = 1; k <= kCategories; ++k) {
            most.at(k - 1) = std::max<int>(most.at(k - 1), categoryPoints(k, d).value_or(0));
        }
    } while (nextThrow(d));
    return std::accumulate(most.begin(), most.end(), 0);
}

double Tally::averageMargin() const {
    return played == 0 ? 0.0 : static_cast<double>(marginSum) / played;
}

// No margin exceeds the best, none is below the widest loss.
bool Tally::possible() const {
    const auto within = [](int n) { return n >= 0 && n <= kMostGames; };
    if (!within(played) || !within(won) || !within(lost) || !within(drawn) ||
        won + lost + drawn != played) {
        return false;
    }
    const int widest = largestMargin();
    if (best < -widest || best > widest) {
        return false;
    }
    if (played == 0) {
        return marginSum == 0;
    }
    const auto games = static_cast<long long>(played);
    return last.isValid() && marginSum <= games * best && marginSum >= -games * widest;
}

Opponent opponentOf(const GameResult& result) {
    if (result.gamemode == 1) {
        return Opponent::twoPlayers;
    }
    switch (result.level) {
    case strength::novice:
        return Opponent::novice;
    case strength::pro:
        return Opponent::pro;
    default:
        return Opponent::master;
    }
}

void Statistics::add(const GameResult& result, const QDate& day, bool withHints) {
    Tally& t = (withHints ? hinted : rows).at(static_cast<std::size_t>(opponentOf(result)));
    const long long widest = largestMargin();
    const auto margin = static_cast<int>(
        std::clamp(static_cast<long long>(result.left) - result.right, -widest, widest));
    t.best = t.played == 0 ? margin : std::max(t.best, margin);
    t.last = day;
    if (t.played == kMostGames) {
        return;
    }
    ++t.played;
    if (margin > 0) {
        ++t.won;
    } else if (margin < 0) {
        ++t.lost;
    } else {
        ++t.drawn;
    }
    t.marginSum += margin;
}

QJsonObject toJson(const Statistics& figures) {
    return {{"version", kStatisticsVersion},
            {"rows", rowsToJson(figures.rows)},
            {"hintedRows", rowsToJson(figures.hinted)}};
}

bool laterVersion(const QJsonObject& object) {
    const auto version = whole(object, "version");
    return version && *version > kStatisticsVersion;
}

std::optional<Statistics> fromJson(const QJsonObject& object) {
    const auto version = whole(object, "version");
    if (!version || *version < 1 || *version > kStatisticsVersion) {
        return std::nullopt;
    }
    const auto rows = rowsFromJson(object.value(QLatin1String("rows")));
    const auto hinted = *version == 1 ? std::optional(Rows{})
                                      : rowsFromJson(object.value(QLatin1String("hintedRows")));
    if (!rows || !hinted) {
        return std::nullopt;
    }
    return Statistics{*rows, *hinted};
}

} // namespace kvint::ui
