#include "ui/statistics/statistics.h"

#include "game/state.h"

#include <QJsonValue>

#include <algorithm>
#include <limits>

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

std::optional<int> count(const QJsonObject& o, const char* key) {
    const QJsonValue v = o.value(QLatin1String(key));
    if (!v.isDouble() || v.toDouble() != static_cast<double>(v.toInteger())) {
        return std::nullopt;
    }
    const qint64 n = v.toInteger();
    if (n < std::numeric_limits<int>::min() || n > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    return static_cast<int>(n);
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
    const QJsonValue sum = o.value(QLatin1String("marginSum"));
    const QJsonValue last = o.value(QLatin1String("last"));
    if (!played || !won || !lost || !drawn || !best || !sum.isDouble() || !last.isString()) {
        return std::nullopt;
    }
    const bool consistent =
        *won >= 0 && *lost >= 0 && *drawn >= 0 && *won + *lost + *drawn == *played;
    const QDate day = QDate::fromString(last.toString(), Qt::ISODate);
    if (!consistent || (*played > 0 && !day.isValid())) {
        return std::nullopt;
    }
    return Tally{*played, *won, *lost, *drawn, *best, sum.toInteger(), day};
}

} // namespace

double Tally::averageMargin() const {
    return played == 0 ? 0.0 : static_cast<double>(marginSum) / played;
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

void Statistics::add(const GameResult& result, const QDate& day) {
    Tally& t = (*this)[opponentOf(result)];
    const int margin = result.left - result.right;
    t.best = t.played == 0 ? margin : std::max(t.best, margin);
    ++t.played;
    if (margin > 0) {
        ++t.won;
    } else if (margin < 0) {
        ++t.lost;
    } else {
        ++t.drawn;
    }
    t.marginSum += margin;
    t.last = day;
}

QJsonObject toJson(const Statistics& figures) {
    QJsonObject rows;
    for (std::size_t i = 0; i < kOpponents; ++i) {
        rows.insert(QLatin1String(kKeys.at(i)), tallyToJson(figures.rows.at(i)));
    }
    return {{"version", kStatisticsVersion}, {"rows", rows}};
}

std::optional<Statistics> fromJson(const QJsonObject& object) {
    const auto version = count(object, "version");
    const QJsonValue rows = object.value(QLatin1String("rows"));
    if (!version || *version < 1 || *version > kStatisticsVersion || !rows.isObject()) {
        return std::nullopt;
    }
    Statistics figures;
    for (std::size_t i = 0; i < kOpponents; ++i) {
        const auto tally = tallyFromJson(rows.toObject().value(QLatin1String(kKeys.at(i))));
        if (!tally) {
            return std::nullopt;
        }
        figures.rows.at(i) = *tally;
    }
    return figures;
}

} // namespace kvint::ui
