#include "computer/computer.h"
#include "game/game.h"
#include "support/recording_platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>

namespace kvint::test {
namespace {

constexpr long kDrawLimit = 1'000'000; // far beyond any turn that ends

std::array<int, 7> faceCounts(const Dice& d) {
    std::array<int, 7> n{};
    for (Face f : d) {
        ++n[static_cast<std::size_t>(f)];
    }
    return n;
}

bool twoTriples(const std::array<int, 7>& n) {
    return std::all_of(n.begin() + 1, n.end(), [](int c) { return c == 0 || c == 3 || c == 6; });
}

bool threePairs(const std::array<int, 7>& n) {
    return std::all_of(n.begin() + 1, n.end(), [](int c) { return c % 2 == 0; });
}

bool straight(const std::array<int, 7>& n) {
    return std::all_of(n.begin() + 1, n.end(), [](int c) { return c == 1; });
}

bool firstTenWritten(const Column& c) {
    return std::all_of(c.begin(), c.end() - 1, [](u8 v) { return v != 0; });
}

// Why the points written in category k cannot come from the dice shown, or
// an empty text when they can.
std::string mismatch(std::size_t k, int v, const Dice& d, const Column& before) {
    const auto n = faceCounts(d);
    const int total = diceTotal(d);
    bool ok = false;
    if (k <= 6) {
        ok = v == static_cast<int>(k) * n[k];
    } else if (k == cat::dva_tri) {
        ok = twoTriples(n) && v == total;
    } else if (k == cat::tri_dva) {
        ok = threePairs(n) && v == total;
    } else if (k == cat::strit) {
        ok = straight(n) && v == 21;
    } else if (k == cat::care) {
        ok = n[6] >= 4 && v == 24;
    } else {
        ok = v == total && (v >= 29 || firstTenWritten(before));
    }
    return ok ? "" : "points do not match the dice";
}

struct Turn {
    RecordingPlatform pf;
    Game game{pf, "."};
    Computer computer{game.board()};
    State& st = game.state();
};

// Some categories free, the rest holding 1..36 points; how full a column is
// varies from turn to turn, so nearly full and empty sheets both come up.
void randomColumn(Column& c, std::mt19937& gen) {
    std::uniform_real_distribution<double> fullness(0.0, 1.0);
    std::uniform_int_distribution<int> points(1, 36);
    const double p = fullness(gen);
    for (u8& v : c) {
        v = fullness(gen) < p ? static_cast<u8>(points(gen)) : 0;
    }
}

// One whole computer turn from a random sheet; returns what went wrong.
std::string playTurn(u8 level, std::mt19937& gen) {
    Turn t;
    t.st.level = level;
    randomColumn(t.st.compscore, gen);
    randomColumn(t.st.mayscore, gen);
    for (Face& f : t.st.kubik) {
        f = static_cast<Face>(std::uniform_int_distribution<int>(1, 6)(gen));
    }
    long draws = 0;
    t.pf.endless = [&] {
        if (++draws > kDrawLimit) {
            throw std::runtime_error("the turn never ends");
        }
        return static_cast<float>(gen() >> 8) * 0x1p-24F;
    };
    const Column before = t.st.compscore;
    try {
        t.computer.broskom();
    } catch (const std::exception& e) {
        return e.what();
    }

    for (Face f : t.st.kubik) {
        if (f < 1 || f > 6) {
            return "a die shows " + std::to_string(f);
        }
    }
    if (!t.game.controls()[Ctl::Command4].visible) {
        return "the turn did not hand back the dice";
    }
    int entries = 0;
    for (std::size_t k = 1; k <= kCategories; ++k) {
        const bool painted = t.game.controls()[comp(k)].back == 12;
        const u8 now = t.st.compscore(k);
        if (!painted) {
            if (now != before(k)) {
                return "category " + std::to_string(k) + " changed without an entry";
            }
            continue;
        }
        ++entries;
        if (before(k) != 0) {
            return "category " + std::to_string(k) + " held points and was written";
        }
        if (now == 0) {
            return "category " + std::to_string(k) + " was written with 0";
        }
        if (t.game.controls()[comp(k)].text != std::to_string(now)) {
            return "category " + std::to_string(k) + " shows other points";
        }
        if (auto why = mismatch(k, now, t.st.kubik, before); !why.empty()) {
            return "category " + std::to_string(k) + ": " + why;
        }
    }
    if (entries > 1) {
        return std::to_string(entries) + " entries in one turn";
    }
    return "";
}

TEST(ComputerSoak, WholeTurnsFromRandomSheetsKeepTheColumnSound) {
    std::mt19937 gen(20240611);
    for (u8 level : {strength::master, strength::novice, strength::pro}) {
        for (int turn = 0; turn < 25000; ++turn) {
            ASSERT_EQ(playTurn(level, gen), "") << "level " << int{level} << ", turn " << turn;
        }
    }
}

} // namespace
} // namespace kvint::test
