#include "computer/computer.h"

#include <algorithm>

namespace kvint {
namespace {

bool contains(std::initializer_list<Face> faces, Face f) {
    return std::find(faces.begin(), faces.end(), f) != faces.end();
}

} // namespace

void Computer::entry(std::size_t k, u8 v, Sound s) {
    board_.writeCategory(false, k, v);
    board_.sound(s);
    board_.showDice();
}

// Counts several faces in one pass; each counter named is cleared first.
void Computer::countFaces(std::initializer_list<Face> faces) {
    for (Face f : faces) {
        st_.facesum(static_cast<std::size_t>(f)) = 0;
    }
    for (Face die : st_.kubik) {
        if (contains(faces, die)) {
            u8& sum = st_.facesum(static_cast<std::size_t>(die));
            sum = static_cast<u8>(sum + die);
        }
    }
}

// A die that shows a kept face is never touched; any other gets up to two
// throws to land on one.
void Computer::keepRerollTwice(std::initializer_list<Face> keep) {
    bool threw = false;
    for (std::size_t i = 1; i <= kDice; ++i) {
        if (contains(keep, st_.kubik(i))) {
            continue;
        }
        threw = true;
        board_.rerollDie(i);
        if (!contains(keep, st_.kubik(i))) {
            board_.rerollDie(i);
        }
    }
    if (threw) {
        thrown();
    }
}

void Computer::keepRerollOnce(std::initializer_list<Face> keep) {
    bool threw = false;
    for (std::size_t i = 1; i <= kDice; ++i) {
        if (!contains(keep, st_.kubik(i))) {
            threw = true;
            board_.rerollDie(i);
        }
    }
    if (threw) {
        thrown();
    }
}

// Only after some die was thrown: a keep of all six moves nothing.
void Computer::thrown() {
    ++throws_;
    board_.computerRolled(throws_);
}

bool Computer::giveUp() {
    if (st_.level != strength::novice) {
        return false;
    }
    board_.sound(Sound::thin);
    return true;
}

void Computer::clearHighCounts() {
    st_.facesum(6) = 0;
    st_.facesum(5) = 0;
    st_.facesum(4) = 0;
}

bool Computer::faceCheck(Face f, u8 rerollAt, u8 enterAt) {
    const auto k = static_cast<std::size_t>(f);
    countFaces({f});
    if (compFree(st_, k) && st_.facesum(k) >= rerollAt) {
        keepRerollTwice({f});
    }
    countFaces({f});
    if (!compFree(st_, k) || st_.facesum(k) < enterAt) {
        return false;
    }
    entry(k, st_.facesum(k), Sound::ye);
    clearHighCounts();
    return true;
}

bool Computer::enterFirst(std::initializer_list<Rule> rules) {
    for (const Rule& r : rules) {
        if (r.applies) {
            entry(r.k, r.v, r.sound);
            return true;
        }
    }
    return false;
}

bool Computer::kvintFrom29() {
    if (!compFree(st_, cat::kvint)) {
        return false;
    }
    st_.dicesum = diceSum(st_);
    if (st_.dicesum < 29) {
        return false;
    }
    entry(cat::kvint, st_.dicesum, Sound::wow);
    return true;
}

} // namespace kvint
