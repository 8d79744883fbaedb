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

// PLACEHOLDER until the engine lands: the entry with the most points now.
Coach::Coach() = default;

Advice Coach::advise(const Position& position) const {
    Advice best{Decision{}, 0.5};
    int most = -1;
    for (std::size_t k = 1; k <= kCategories; ++k) {
        const Decision d{Decision::Kind::write, {}, k};
        if (!allowed(position, d)) {
            continue;
        }
        const Outlook o = entryOutlook(stateOf(position), Cell{position.side == Side::left, k});
        if (o.points > most) {
            most = o.points;
            best.decision = d;
        }
    }
    return best;
}

double Coach::winAfter(const Position& /*position*/, const Decision& /*decision*/) const {
    return 0.5;
}

} // namespace kvint::coach
