#include "game/game.h"

#include <optional>
#include <string_view>

namespace kvint {
namespace {

struct Pick {
    std::size_t k;
    u8 v;
    Sound sound;
};
using Choice = std::optional<Pick>;

bool isFree(const State& st, std::size_t k) {
    return st.compscore(k) == 0;
}

u8 points(int v) {
    return static_cast<u8>(v);
}

// Two faces kept together (lo < hi): three and three, four and two, then the
// faces themselves. Only sixes can make "care".
Choice twoFaces(const State& st, Face lo, Face hi) {
    const u8 low = st.facesum(lo);
    const u8 high = st.facesum(hi);
    if (low == 3 * lo && high == 3 * hi && isFree(st, cat::dva_tri)) {
        return Pick{cat::dva_tri, points(low + high), Sound::wow};
    }
    const bool fourAndTwo = (low == 2 * lo && high == 4 * hi) || (low == 4 * lo && high == 2 * hi);
    if (fourAndTwo && isFree(st, cat::tri_dva)) {
        return Pick{cat::tri_dva, points(low + high), Sound::wow};
    }
    if (hi == 6 && high >= 24 && isFree(st, cat::care)) {
        return Pick{cat::care, 24, Sound::wow};
    }
    if (high >= 4 * hi && isFree(st, static_cast<std::size_t>(hi))) {
        return Pick{static_cast<std::size_t>(hi), high, Sound::ye};
    }
    if (low >= 4 * lo && isFree(st, static_cast<std::size_t>(lo))) {
        return Pick{static_cast<std::size_t>(lo), low, Sound::ye};
    }
    return std::nullopt;
}

// Sixes or fives alone: all six dice alike make a combination, four or more
// the face (sixes try "care" first).
Choice ofAKind(const State& st, Face f) {
    const auto k = static_cast<std::size_t>(f);
    const u8 n = st.facesum(k);
    if (n == 6 * f && isFree(st, cat::dva_tri)) {
        return Pick{cat::dva_tri, n, Sound::wow};
    }
    if (n == 6 * f && isFree(st, cat::tri_dva)) {
        return Pick{cat::tri_dva, n, Sound::wow};
    }
    if (f == 6 && n >= 24 && isFree(st, cat::care)) {
        return Pick{cat::care, 24, Sound::wow};
    }
    if (n >= 4 * f && isFree(st, k)) {
        return Pick{k, n, Sound::ye};
    }
    return std::nullopt;
}

Choice fours(const State& st) {
    if (st.facesum(4) >= 16 && isFree(st, 4)) {
        return Pick{4, st.facesum(4), Sound::ye};
    }
    return std::nullopt;
}

// Once the first ten categories are written, any total goes to "kvint" - but
// never over an entry already there.
Choice kvintLast(const State& st) {
    for (std::size_t k = 1; k < cat::kvint; ++k) {
        if (isFree(st, k)) {
            return std::nullopt;
        }
    }
    if (!isFree(st, cat::kvint)) {
        return std::nullopt;
    }
    return Pick{cat::kvint, points(diceTotal(st.kubik)), Sound::ye};
}

} // namespace

// The last check, on the high faces. Each stage recounts only the faces it
// keeps, so the later start conditions read counts that may be stale on
// purpose: fives found by the first stage still start the fives stage after
// the sixes stage has thrown them away.
void Game::proverka654() {
    auto enter = [this](const Choice& c) {
        if (!c) {
            return false;
        }
        entry(c->k, c->v, c->sound);
        clearHighCounts();
        return true;
    };
    auto rethrowKeeping = [this](std::initializer_list<Face> kept) {
        keepRerollTwice(kept);
        countFaces(kept);
    };
    auto& fs = st_.facesum;

    countFaces({6, 5, 4});
    if (fs(5) != 0 && fs(6) != 0) {
        fs(4) = 0; // fours are not counted again, which keeps the two stages of fours out
        rethrowKeeping({5, 6});
        if (enter(twoFaces(st_, 5, 6))) {
            return;
        }
    }
    if (fs(4) != 0 && fs(6) != 0) {
        rethrowKeeping({4, 6});
        if (enter(twoFaces(st_, 4, 6))) {
            return;
        }
    }
    if (fs(5) != 0 && fs(4) != 0) {
        rethrowKeeping({4, 5});
        if (enter(twoFaces(st_, 4, 5))) {
            return;
        }
    }
    if (fs(6) != 0) {
        rethrowKeeping({6});
        if (enter(ofAKind(st_, 6))) {
            return;
        }
    }
    if (fs(5) != 0) {
        rethrowKeeping({5});
        if (enter(ofAKind(st_, 5))) {
            return;
        }
    }
    if (fs(4) != 0 && isFree(st_, 4)) {
        rethrowKeeping({4});
        if (enter(fours(st_))) {
            return;
        }
    }
    if (enter(kvintLast(st_))) {
        return;
    }
    showDice();
    if (st_.level == strength::pro) {
        julik();
        return;
    }
    sound(Sound::thin);
}

} // namespace kvint
