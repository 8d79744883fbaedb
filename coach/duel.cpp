#include "coach/duel.h"

#include "coach/headless.h"
#include "computer/computer.h"
#include "game/categories.h"
#include "game/game.h"

#include <optional>

namespace kvint::coach {
namespace {

// Far more events than any game takes; a game still going then is given up
// as lost rather than run for ever.
constexpr int kEventLimit = 10'000;

constexpr Ctl strengthBox(u8 level) {
    switch (level) {
    case strength::novice:
        return Ctl::Check1;
    case strength::pro:
        return Ctl::Check3;
    default:
        return Ctl::Check2;
    }
}

// One game against the computer, the player clicking for the person.
class CoachedGame {
  public:
    CoachedGame(const Player& player, HeadlessPlatform& platform, u8 level)
        : player_(player), platform_(platform), game_(platform, {}), computer_(game_.board()) {
        game_.setOpponent(computer_);
        game_.click(Ctl::Option1);
        game_.click(strengthBox(level));
        platform_.answer("Игрок");
        game_.click(Ctl::Command7);
    }

    std::optional<GameResult> play() {
        for (int event = 0; event < kEventLimit; ++event) {
            if (auto result = platform_.takeResult()) {
                return result;
            }
            step();
        }
        return std::nullopt;
    }

  private:
    [[nodiscard]] bool visible(Ctl c) const { return game_.controls()[c].visible; }

    void step() {
        if (visible(Ctl::Command4)) {
            return game_.click(Ctl::Command4);
        }
        const State& st = game_.state();
        const Position position{st.level,    st.gamemode,  Side::left, st.brosnum,
                                st.mayscore, st.compscore, st.kubik};
        const Decision d = player_(position);
        switch (d.kind) {
        case Decision::Kind::reroll:
            for (std::size_t i = 0; i < kDice; ++i) {
                if (d.reroll[i]) {
                    game_.click(textBox(i + 1));
                }
            }
            return game_.click(Ctl::Command1);
        case Decision::Kind::write:
            platform_.answer(std::string(selectorText(d.category)));
            return game_.click(Ctl::Command2);
        case Decision::Kind::pass:
            return game_.click(Ctl::Command3);
        }
    }

    const Player& player_;
    HeadlessPlatform& platform_;
    Game game_;
    Computer computer_;
};

} // namespace

DuelResult duel(const Coach& coach, u8 level, int games, std::uint64_t seed) {
    return duel(coach, level, games, seed, {});
}

DuelResult duel(const Coach& coach, u8 level, int games, std::uint64_t seed,
                const std::function<void(const Position&)>& asked) {
    const Player player = [&](const Position& p) {
        if (asked) {
            asked(p);
        }
        return coach.advise(p).decision;
    };
    return duel(player, level, games, seed);
}

DuelResult duel(const Player& player, u8 level, int games, std::uint64_t seed) {
    HeadlessPlatform platform(seed);
    DuelResult r;
    for (int g = 0; g < games; ++g) {
        CoachedGame game(player, platform, level);
        const auto result = game.play();
        if (!result || result->left < result->right) {
            ++r.lost;
        } else if (result->left > result->right) {
            ++r.won;
        } else {
            ++r.drawn;
        }
    }
    return r;
}

} // namespace kvint::coach
