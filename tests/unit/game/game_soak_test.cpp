// Whole games in both modes and at every strength, played by a random but
// legal player, with the game's invariants checked after every event.
// KVINT_SOAK_GAMES sets how many games each configuration plays.
#include "computer/computer.h"
#include "game/categories.h"
#include "game/game.h"
#include "support/recording_platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace kvint {
namespace {

constexpr std::size_t kDrawsPerEventLimit = 1'000'000;

Dice sorted(Dice d) {
    std::sort(d.begin(), d.end());
    return d;
}

bool isEndMessage(const std::string& m) {
    return m.find("все позиции") != std::string::npos ||
           m == "Мы набрали одинаковое количество очков";
}

constexpr std::array<const char*, kCategories> selectors = {
    "1", "2", "3", "4", "5", "6", "23", "32", "strit", "care", "kvint"};

class Soak {
  public:
    Soak(unsigned seed, u8 gamemode, Ctl strengthBox)
        : gen_(seed), game_(pf_, "."), gamemode_(gamemode) {
        game_.setOpponent(computer_);
        // Draws come from a seeded generator; every message shown is noted.
        pf_.endless = [this] {
            if (++draws_ > kDrawsPerEventLimit) {
                throw std::runtime_error("a single event drew a million random numbers");
            }
            return static_cast<float>(gen_() >> 8) * 0x1p-24F;
        };
        pf_.onCall = [this](const std::string& call) {
            if (call.starts_with("msgbox ")) {
                messages_.push_back(call.substr(call.find(" | ") + 3));
            }
        };
        game_.click(gamemode == 1 ? Ctl::Option2 : Ctl::Option1);
        game_.click(strengthBox);
        pf_.anyAnswer = "Игрок";
        act(Ctl::Command7);
    }

    // Plays until the game is over and a further roll has been refused, or
    // until the event budget runs out. Returns whether the game ended.
    bool play(int budget) {
        for (int event = 0; event < budget; ++event) {
            if (over() && refusedAfterEnd_) {
                return true;
            }
            step();
        }
        return over();
    }

  private:
    const State& st() const { return game_.state(); }
    bool visible(Ctl c) const { return game_.controls()[c].visible; }
    bool over() const { return columnComplete(st().mayscore) || columnComplete(st().compscore); }
    bool myTurn(bool left) const { return visible(left ? Ctl::Command2 : Ctl::Command5); }

    // Each turn ends within a few steps: after its rolls the player writes a
    // free category the dice score in, else a face no die shows (0 points,
    // the category stays free), else passes. Its re-rolls aim at the rarest
    // free combination, so even a game of two such players takes a few
    // hundred steps: far below the budget, and an unfinished game is a fault.
    void step() {
        std::uniform_int_distribution<int> percent(0, 99);
        const int roll = percent(gen_);
        if (visible(Ctl::Command4)) {
            return act(Ctl::Command4);
        }
        if (roll < 3) {
            static constexpr std::array reports = {Ctl::hod, Ctl::mayschet, Ctl::schetcomp,
                                                   Ctl::ochko};
            return act(reports[static_cast<std::size_t>(roll) % reports.size()]);
        }
        const bool left = myTurn(true);
        if (!left && !myTurn(false)) {
            return act(Ctl::Command1); // game over with only the re-roll button: try it
        }
        if (roll < 8) {
            return write(left, roll < 6 ? hostileText() : selectors[gen_() % kCategories]);
        }
        if (roll < 10) {
            return pass(left);
        }
        if (roll < 70 && visible(Ctl::Command1) && st().dicelock == 0) {
            return markAndReroll(left);
        }
        finishTurn(left);
    }

    void finishTurn(bool left) {
        const Column& column = left ? st().mayscore : st().compscore;
        if (const auto k = bestCategory(column)) {
            return write(left, selectors[*k - 1]);
        }
        for (std::size_t face = 1; face <= 6; ++face) {
            if (column(face) == 0 && std::find(st().kubik.begin(), st().kubik.end(),
                                               static_cast<Face>(face)) == st().kubik.end()) {
                return write(left, selectors[face - 1]);
            }
        }
        pass(left);
    }

    void markAndReroll(bool left) {
        const auto keep = keepFor(left ? st().mayscore : st().compscore);
        for (std::size_t i = 1; i <= kDice; ++i) {
            if (keep ? !(*keep)[i - 1] : gen_() % 3 == 0) {
                const Ctl die = textBox(i);
                gen_() % 2 ? act(die) : key(die, 13);
            }
        }
        key(textBox(1 + gen_() % kDice), static_cast<std::uint16_t>('a' + gen_() % 26));
        act(Ctl::Command1);
    }

    // The dice to keep on the way to the rarest free combination, or nothing
    // when every combination is written.
    std::optional<std::array<bool, kDice>> keepFor(const Column& column) const {
        static constexpr std::array rarestFirst = {cat::care, cat::dva_tri, cat::strit,
                                                   cat::tri_dva};
        const auto target = std::find_if(rarestFirst.begin(), rarestFirst.end(),
                                         [&](std::size_t k) { return column(k) == 0; });
        if (target == rarestFirst.end()) {
            return std::nullopt;
        }
        std::array<int, 7> count{};
        for (Face f : st().kubik) {
            ++count[static_cast<std::size_t>(f)];
        }
        std::array<std::size_t, 6> common = {6, 5, 4, 3, 2, 1};
        std::stable_sort(common.begin(), common.end(),
                         [&](std::size_t a, std::size_t b) { return count[a] > count[b]; });
        std::array<int, 7> quota{};
        switch (*target) {
        case cat::care:
            quota[6] = 6;
            break;
        case cat::dva_tri:
            quota[common[0]] = quota[common[1]] = 3;
            break;
        case cat::strit:
            quota.fill(1);
            break;
        default: // three pairs
            quota[common[0]] = quota[common[1]] = quota[common[2]] = 2;
        }
        std::array<bool, kDice> keep{};
        for (std::size_t i = 1; i <= kDice; ++i) {
            keep[i - 1] = quota[static_cast<std::size_t>(st().kubik(i))]-- > 0;
        }
        return keep;
    }

    // The free category that scores most with the dice as they lie.
    std::optional<std::size_t> bestCategory(const Column& column) const {
        Dice highFirst = st().kubik;
        std::sort(highFirst.begin(), highFirst.end(), std::greater<>());
        std::optional<std::size_t> best;
        int bestPoints = 0;
        for (std::size_t k = 1; k <= kCategories; ++k) {
            const auto points = categoryPoints(k, highFirst);
            if (column(k) == 0 && points && *points > bestPoints) {
                bestPoints = *points;
                best = k;
            }
        }
        return best;
    }

    std::string hostileText() {
        static const std::array<std::string, 10> texts = {
            "",   " ", "Care", "007", "+6.0", "\x01\x02\t", "🎲🎲", "קבינט", std::string(4000, 'x'),
            "2/3"};
        return texts[gen_() % texts.size()];
    }

    void write(bool left, std::string text) {
        pf_.anyAnswer = std::move(text);
        act(left ? Ctl::Command2 : Ctl::Command5);
    }
    void pass(bool left) { act(left ? Ctl::Command3 : Ctl::Command6); }

    void key(Ctl die, std::uint16_t code) {
        event([&] { game_.keyPress(die, code); }, false);
    }
    void act(Ctl c) {
        event([&] { game_.click(c); }, c == Ctl::Command4 || rolls(c));
    }

    // The buttons whose handler ends in a roll of all six dice.
    bool rolls(Ctl c) const {
        return c == Ctl::Command7 || c == Ctl::Command5 || c == Ctl::Command6 ||
               ((c == Ctl::Command2 || c == Ctl::Command3) && gamemode_ == 1);
    }

    template <typename F> void event(F&& f, bool attemptsRoll) {
        const State before = st();
        const bool wasOver = over();
        messages_.clear();
        draws_ = 0;
        pf_.calls.clear();
        f();
        checkInvariants(before);
        if (wasOver && attemptsRoll) {
            // Every attempt to roll after the end shows the end again.
            const bool shown = std::any_of(messages_.begin(), messages_.end(), isEndMessage);
            const bool refusedEntry = !messages_.empty() && !shown;
            EXPECT_TRUE(shown || refusedEntry) << "no end-of-game message after the end";
            if (shown) {
                // An entry sorts the dice before its hand-over finds the end;
                // nothing may be rolled.
                EXPECT_EQ(sorted(st().kubik), sorted(before.kubik)) << "dice rolled after the end";
                refusedAfterEnd_ = true;
            }
        }
    }

    void checkInvariants(const State& before) {
        for (Face f : st().kubik) {
            ASSERT_TRUE(f >= 1 && f <= 6) << "die " << f;
        }
        ASSERT_TRUE(st().brosnum >= 1 && st().brosnum <= 3) << int{st().brosnum};
        int written = 0;
        for (std::size_t k = 1; k <= kCategories; ++k) {
            if (before.mayscore(k) != 0) {
                ASSERT_EQ(st().mayscore(k), before.mayscore(k)) << "left category " << k;
            }
            if (before.compscore(k) != 0) {
                ASSERT_EQ(st().compscore(k), before.compscore(k)) << "right category " << k;
            }
            written += before.compscore(k) != st().compscore(k) ? 1 : 0;
            if (gamemode_ == 0 && st().compscore(k) == 0) {
                // The computer never writes 0: a free category has no caption.
                ASSERT_EQ(game_.controls()[comp(k)].text, "") << "computer wrote 0 in " << k;
            }
        }
        ASSERT_LE(written, 1) << "more than one entry on the right in one event";
    }

    test::RecordingPlatform pf_;
    std::mt19937 gen_;
    std::vector<std::string> messages_;
    std::size_t draws_ = 0;
    Game game_;
    Computer computer_{game_.board()};
    u8 gamemode_;
    bool refusedAfterEnd_ = false;
};

int gamesPerConfiguration() {
    const char* env = std::getenv("KVINT_SOAK_GAMES");
    if (env == nullptr) {
        return 1000;
    }
    return static_cast<int>(std::clamp(std::strtol(env, nullptr, 10), 1L, 1'000'000L));
}

struct Configuration {
    u8 gamemode;
    Ctl strength;
};

class GameSoak : public ::testing::TestWithParam<Configuration> {};

TEST_P(GameSoak, EveryGameKeepsItsInvariantsAndEnds) {
    const int games = gamesPerConfiguration();
    int ended = 0;
    for (int g = 0; g < games; ++g) {
        Soak soak(static_cast<unsigned>(g * 7919 + GetParam().gamemode * 31 +
                                        static_cast<int>(GetParam().strength)),
                  GetParam().gamemode, GetParam().strength);
        ended += soak.play(20'000) ? 1 : 0;
        if (HasFatalFailure()) {
            FAIL() << "in game " << g;
        }
    }
    EXPECT_EQ(ended, games);
}

INSTANTIATE_TEST_SUITE_P(AllModes, GameSoak,
                         ::testing::Values(Configuration{0, Ctl::Check1},
                                           Configuration{0, Ctl::Check2},
                                           Configuration{0, Ctl::Check3},
                                           Configuration{1, Ctl::Check2}));

} // namespace
} // namespace kvint
