#include "coach/coach.h"

#include "game/outlook.h"

#include <algorithm>

namespace kvint::coach {
namespace {

State stateOf(const Position& p) {
    State st;
    st.kubik = p.dice;
    st.brosnum = p.roll;
    st.mayscore = p.left;
    st.compscore = p.right;
    st.level = p.level;
    st.gamemode = p.mode;
    return st;
}

} // namespace

bool allowed(const Position& position, const Decision& decision) {
    switch (decision.kind) {
    case Decision::Kind::reroll:
        return position.roll < 3 && std::any_of(decision.reroll.begin(), decision.reroll.end(),
                                                [](bool b) { return b; });
    case Decision::Kind::write: {
        if (decision.category < 1 || decision.category > kCategories) {
            return false;
        }
        const Outlook o =
            entryOutlook(stateOf(position), Cell{position.side == Side::left, decision.category});
        return o.outcome == Outlook::Outcome::points;
    }
    case Decision::Kind::pass:
        return true;
    }
    return false;
}

namespace {

constexpr std::size_t kMostPoints = 36;

Counts keptCounts(const Dice& dice, const std::array<bool, kDice>& reroll) {
    Counts c{};
    for (std::size_t i = 1; i <= kDice; ++i) {
        if (!reroll[i - 1]) {
            ++c[static_cast<std::size_t>(dice(i) - 1)];
        }
    }
    return c;
}

// The dice to mark so that those left on the table are `keep`.
std::array<bool, kDice> rerollFor(const Dice& dice, Counts keep) {
    std::array<bool, kDice> reroll{};
    for (std::size_t i = 1; i <= kDice; ++i) {
        u8& left = keep[static_cast<std::size_t>(dice(i) - 1)];
        if (left > 0) {
            --left;
        } else {
            reroll[i - 1] = true;
        }
    }
    return reroll;
}

// Dice before the first roll show no face; nothing but a pass is judged then.
bool diceShown(const Dice& dice) {
    return std::all_of(dice.begin(), dice.end(), [](Face f) { return f >= 1 && f <= 6; });
}

// Where an entry of `points` into category k is kept in Turn::entry.
std::size_t entryAt(std::size_t k, int points) {
    return (k - 1) * (kMostPoints + 1) + static_cast<std::size_t>(points);
}

// Sums of many small chances may stray past the ends by a rounding.
double chance(float v) {
    return std::clamp(static_cast<double>(v), 0.0, 1.0);
}

} // namespace

// One turn solved for a position.
struct Coach::Turn {
    std::size_t roll = 0; // the dice on the table, as a set
    float pass = 0.0F;
    // The chance after writing each category with each number of points,
    // filled for the entries some roll allows; entry[(k - 1) * 37 + points].
    std::array<float, kCategories*(kMostPoints + 1)> entry{};
    // The chance after each keep of the re-roll that follows this roll.
    Values keep{};
};

Coach::Coach() : Coach(RaceCorrection::learnt()) {}

Coach::Coach(const RaceCorrection& correction)
    : points_(space_), solo_(space_, points_), endgame_(space_, points_), correction_(correction),
      race_(solo_, computer_, endgame_, correction_) {}

Coach::Coach(const NoviceSolution& novice)
    : points_(space_), solo_(space_, points_), endgame_(space_, points_),
      correction_(RaceCorrection::learnt()),
      race_(solo_, computer_, endgame_, correction_, &novice) {}

float Coach::passValue(const Position& p) const {
    const bool left = p.side == Side::left;
    return race_.winChance(
        {left ? p.left : p.right, left ? p.right : p.left, left, p.mode != 1, p.level});
}

Coach::Turn Coach::turnOf(const Position& p) const {
    const bool left = p.side == Side::left;
    const Column& mine = left ? p.left : p.right;
    const Column& theirs = left ? p.right : p.left;
    const bool vsComputer = p.mode != 1;
    Turn t;
    t.roll = space_.index(countsOf(p.dice));
    t.pass = passValue(p);
    t.entry.fill(-1.0F);
    const auto after = [&](std::size_t k, int points) {
        float& v = t.entry[entryAt(k, points)];
        if (v < 0.0F) {
            Column c = mine;
            c(k) = static_cast<u8>(points);
            v = race_.winChance({c, theirs, left, vsComputer, p.level});
        }
        return v;
    };
    Values end{};
    endValues(space_, points_, freeSet(mine), t.pass, after, end);
    if (p.roll == 2) {
        keepValues(space_, end, t.keep);
    } else if (p.roll < 2) {
        Values second{};
        keepValues(space_, end, t.keep);
        rollValues(space_, end, t.keep, second);
        keepValues(space_, second, t.keep);
    }
    return t;
}

Advice Coach::advise(const Position& position) const {
    if (!diceShown(position.dice)) {
        return {Decision{}, chance(passValue(position))};
    }
    Advice a = bestOf(position);
    a.win = chance(static_cast<float>(a.win));
    return a;
}

Advice Coach::bestOf(const Position& position) const {
    const Turn t = turnOf(position);
    const Column& mine = position.side == Side::left ? position.left : position.right;
    Advice best{Decision{}, t.pass};
    for (std::size_t k = 1; k <= kCategories; ++k) {
        const int points = points_.points(t.roll, k);
        if (mine(k) != 0 || points <= 0) {
            continue;
        }
        const float v = t.entry[entryAt(k, points)];
        if (v > best.win) {
            best = {Decision{Decision::Kind::write, {}, k}, v};
        }
    }
    if (position.roll >= 3) {
        return best;
    }
    for (std::uint16_t keep : properKeeps(space_, t.roll)) {
        if (t.keep[keep] > best.win) {
            best = {
                Decision{Decision::Kind::reroll, rerollFor(position.dice, space_.counts(keep)), 0},
                t.keep[keep]};
        }
    }
    return best;
}

double Coach::winAfter(const Position& position, const Decision& decision) const {
    if (!diceShown(position.dice) || !allowed(position, decision)) {
        return chance(passValue(position));
    }
    return chance(valueAfter(position, decision));
}

float Coach::valueAfter(const Position& position, const Decision& decision) const {
    const Turn t = turnOf(position);
    switch (decision.kind) {
    case Decision::Kind::reroll:
        return t.keep[space_.index(keptCounts(position.dice, decision.reroll))];
    case Decision::Kind::write: {
        const int points = points_.points(t.roll, decision.category);
        if (points <= 0) {
            return t.pass; // a face no die shows: 0 points, the category stays free
        }
        return t.entry[entryAt(decision.category, points)];
    }
    case Decision::Kind::pass:
        return t.pass;
    }
    return t.pass;
}

} // namespace kvint::coach
