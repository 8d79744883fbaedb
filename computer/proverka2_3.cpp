#include "computer/computer.h"

namespace kvint {
namespace {

// At least three dice of 5 and 6, each face at least once.
bool fivesWithSixes(const State& st) {
    const u8 five = st.facesum(5);
    const u8 six = st.facesum(6);
    return compFree(st, cat::dva_tri) && ((five >= 10 && six >= 6) || (five >= 5 && six >= 12));
}

// The same with 4 and 6; the sixes as last counted, the fours as first counted.
bool foursWithSixes(const State& st) {
    const u8 four = st.facesum(4);
    const u8 six = st.facesum(6);
    return compFree(st, cat::dva_tri) && ((four >= 8 && six >= 6) || (four >= 4 && six >= 12));
}

} // namespace

// Chases two triples of the high faces. The novice stops at the first failed
// stage; the others carry on with the dice as the stages leave them.
bool Computer::proverka2_3() {
    countFaces({6, 5, 4});
    if (fivesWithSixes(st_) && (fivesSixesTriples() || sixesOneFive() || fivesOneSix())) {
        return true;
    }
    return foursWithSixes(st_) && (foursSixesTriples() || sixesOneFour() || foursOnly());
}

bool Computer::fivesSixesTriples() {
    keepRerollOnce({5, 6});
    countFaces({6, 5});
    const bool fiveOfTarget = (st_.facesum(5) == 15 && st_.facesum(6) == 12) ||
                              (st_.facesum(5) == 10 && st_.facesum(6) == 18);
    if (!fiveOfTarget) {
        return false;
    }
    keepRerollOnce({5, 6});
    countFaces({6, 5});
    const u8 five = st_.facesum(5);
    const u8 six = st_.facesum(6);
    const u8 total = diceSum(st_);
    const bool fourAndPair = (five == 20 && six == 12) || (five == 10 && six == 24);
    if (enterFirst({
            {five == 15 && six == 18, cat::dva_tri, 33, Sound::wow},
            {compFree(st_, cat::tri_dva) && fourAndPair, cat::tri_dva, static_cast<u8>(five + six),
             Sound::wow},
            {compFree(st_, 6) && six >= 24, 6, six, Sound::ye},
            {compFree(st_, cat::care) && six >= 24, cat::care, 24, Sound::wow},
            {compFree(st_, 5) && five >= 20, 5, five, Sound::ye},
            {compFree(st_, cat::kvint) && total >= 29, cat::kvint, total, Sound::wow},
        })) {
        return true;
    }
    return giveUp();
}

// Only face 6, "care" or "kvint" here, even for six sixes.
bool Computer::sixesOneFive() {
    const bool anyFree = compFree(st_, cat::care) || compFree(st_, 6) || compFree(st_, cat::kvint);
    if (st_.facesum(5) != 5 || st_.facesum(6) < 18 || !anyFree) {
        return false;
    }
    keepRerollOnce({6});
    countFaces({6});
    const u8 six = st_.facesum(6);
    const u8 total = diceSum(st_);
    if (enterFirst({
            {compFree(st_, cat::care) && six >= 24, cat::care, 24, Sound::wow},
            {compFree(st_, 6) && six >= 24, 6, six, Sound::ye},
            {compFree(st_, cat::kvint) && six >= 24 && total >= 29, cat::kvint, total, Sound::wow},
        })) {
        return true;
    }
    return giveUp();
}

bool Computer::fivesOneSix() {
    if (st_.facesum(6) != 6 || st_.facesum(5) < 15 || !compFree(st_, 5)) {
        return giveUp();
    }
    keepRerollOnce({5});
    countFaces({5, 6});
    const u8 five = st_.facesum(5);
    const u8 six = st_.facesum(6);
    const u8 total = diceSum(st_);
    if (enterFirst({
            {compFree(st_, cat::dva_tri) && five == 15 && six == 18, cat::dva_tri, 33, Sound::wow},
            {compFree(st_, cat::tri_dva) && five == 20 && six == 12, cat::tri_dva, 32, Sound::wow},
            {compFree(st_, cat::dva_tri) && five == 30, cat::dva_tri, 30, Sound::wow},
            {compFree(st_, 5) && five >= 20, 5, five, Sound::ye},
            {compFree(st_, cat::kvint) && total >= 29, cat::kvint, total, Sound::wow},
        })) {
        return true;
    }
    return giveUp();
}

bool Computer::foursSixesTriples() {
    keepRerollOnce({4, 6});
    countFaces({6, 4});
    const bool fiveOfTarget =
        compFree(st_, cat::dva_tri) && ((st_.facesum(4) == 12 && st_.facesum(6) == 12) ||
                                        (st_.facesum(4) == 8 && st_.facesum(6) == 18));
    if (!fiveOfTarget) {
        return false;
    }
    keepRerollOnce({4, 6});
    countFaces({6, 4});
    const u8 four = st_.facesum(4);
    const u8 six = st_.facesum(6);
    if (enterFirst({
            {four == 12 && six == 18 && compFree(st_, cat::dva_tri), cat::dva_tri, 30, Sound::wow},
            {compFree(st_, cat::tri_dva) && four == 8 && six == 24, cat::tri_dva, 32, Sound::wow},
            {compFree(st_, cat::tri_dva) && four == 16 && six == 12, cat::tri_dva, 28, Sound::wow},
            {compFree(st_, 6) && six >= 24, 6, six, Sound::ye},
            {compFree(st_, cat::care) && six >= 24, cat::care, 24, Sound::wow},
            {compFree(st_, 4) && four >= 16, 4, four, Sound::ye},
        })) {
        return true;
    }
    return giveUp();
}

bool Computer::sixesOneFour() {
    const bool anyFree = compFree(st_, cat::kvint) || compFree(st_, cat::care) || compFree(st_, 6);
    if (st_.facesum(4) != 4 || st_.facesum(6) < 12 || !anyFree) {
        return false;
    }
    keepRerollOnce({6});
    countFaces({6});
    const u8 six = st_.facesum(6);
    if (enterFirst({
            {six == 36 && compFree(st_, cat::dva_tri), cat::dva_tri, 36, Sound::wow},
            {six == 36 && compFree(st_, cat::tri_dva), cat::tri_dva, 36, Sound::wow},
            {compFree(st_, 6) && six >= 24, 6, six, Sound::ye},
            {compFree(st_, cat::care) && six >= 24, cat::care, 24, Sound::wow},
        })) {
        return true;
    }
    if (six >= 12 && kvintFrom29()) {
        return true;
    }
    return giveUp();
}

// Every way out of this stage passes the novice's stop.
bool Computer::foursOnly() {
    countFaces({4});
    if (compFree(st_, 4) && st_.facesum(4) >= 8) {
        keepRerollOnce({4});
        countFaces({4});
        if (compFree(st_, 4) && st_.facesum(4) >= 16) {
            entry(4, st_.facesum(4), Sound::ye);
            return true;
        }
    }
    return giveUp();
}

} // namespace kvint
