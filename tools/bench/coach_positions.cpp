// Prints positions of whole games as kvint-coach queries, the same for the
// same seed on every machine: the benchmark of the coach and the test that
// every answer is legal ask about them.
//
//     coach-positions COUNT [SEED]
//
// Both columns fill turn by turn as in a duel, mostly against the computer at
// each strength and now and then between two people; each turn draws its
// dice at a roll number 1..3, and then writes a random category, with points
// the rules give for it, or passes. A game that no column has ended after 21
// turns a side, about the longest a real one lasts, is left there. Only the
// people's turns are printed.
#include "game/outlook.h"
#include "game/state.h"

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <iostream>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace kvint;

struct Table {
    u8 level = 0;
    u8 mode = 0;
    bool leftToMove = true;
    u8 roll = 1;
    State st;
};

class Positions {
  public:
    explicit Positions(std::uint64_t seed) : rng_(seed) {}

    // Plays games until `count` positions are printed.
    void print(std::size_t count, std::ostream& out) {
        for (std::size_t game = 0; count > 0; ++game) {
            Table t;
            t.level = static_cast<u8>(game % 3);
            t.mode = game % 4 == 3 ? 1 : 0;
            for (int turns = 0; count > 0 && turns < 2 * kTurnsASide && !over(t.st); ++turns) {
                turn(t);
                if (t.leftToMove || t.mode == 1) {
                    out << query(t) << '\n';
                    --count;
                }
                write(t);
                t.leftToMove = !t.leftToMove;
            }
        }
    }

  private:
    static constexpr int kTurnsASide = 21;

    static bool over(const State& st) {
        return columnComplete(st.mayscore) || columnComplete(st.compscore);
    }

    unsigned below(unsigned n) { return static_cast<unsigned>(rng_() % n); }

    void draw(Dice& dice) {
        for (Face& f : dice) {
            f = static_cast<Face>(1 + below(6));
        }
    }

    void turn(Table& t) {
        t.roll = static_cast<u8>(1 + below(3));
        draw(t.st.kubik);
    }

    // A quarter of the turns pass; the others write a random free category
    // of the side to move with the points of dice drawn until they show it,
    // as a player who aims at it over three rolls would.
    void write(Table& t) {
        Column& column = t.leftToMove ? t.st.mayscore : t.st.compscore;
        std::vector<std::size_t> free;
        for (std::size_t k = 1; k <= kCategories; ++k) {
            if (column(k) == 0) {
                free.push_back(k);
            }
        }
        if (free.empty() || below(4) == 0) {
            return;
        }
        const std::size_t k = free[below(static_cast<unsigned>(free.size()))];
        State aim = t.st;
        for (;;) {
            draw(aim.kubik);
            const Outlook o = entryOutlook(aim, Cell{t.leftToMove, k});
            if (o.outcome == Outlook::Outcome::points && o.points > 0) {
                column(k) = o.points;
                return;
            }
        }
    }

    static std::string query(const Table& t) {
        std::string q = "advise level " + std::to_string(t.level) + " mode " +
                        std::to_string(t.mode) + " side " + (t.leftToMove ? "left" : "right") +
                        " roll " + std::to_string(t.roll) + " left";
        for (u8 v : t.st.mayscore) {
            q += ' ' + std::to_string(v);
        }
        q += " right";
        for (u8 v : t.st.compscore) {
            q += ' ' + std::to_string(v);
        }
        q += " dice";
        for (Face f : t.st.kubik) {
            q += ' ' + std::to_string(f);
        }
        return q;
    }

    std::mt19937_64 rng_;
};

template <typename T> bool parse(std::string_view word, T& value) {
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    return ec == std::errc{} && end == word.data() + word.size();
}

} // namespace

int main(int argc, char** argv) {
    const std::span<char*> args(argv, static_cast<std::size_t>(argc));
    std::size_t count = 0;
    std::uint64_t seed = 1;
    if (args.size() < 2 || args.size() > 3 || !parse(args[1], count) ||
        (args.size() == 3 && !parse(args[2], seed))) {
        std::cerr << "Usage: coach-positions COUNT [SEED]\n";
        return 2;
    }
    std::ios::sync_with_stdio(false);
    Positions(seed).print(count, std::cout);
    std::cout.flush();
    return std::cout ? 0 : 1;
}
