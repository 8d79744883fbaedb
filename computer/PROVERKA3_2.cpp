#include "computer/computer.h"

#include <string>

namespace kvint {
namespace {

// Each of the faces 4, 5 and 6 on one or two dice.
bool pairsInReach(const State& st) {
    const u8 four = st.facesum(4);
    const u8 five = st.facesum(5);
    const u8 six = st.facesum(6);
    return compFree(st, cat::tri_dva) && four >= 4 && four <= 8 && five >= 5 && five <= 10 &&
           six >= 6 && six <= 12;
}

bool eitherTripleCategoryFree(const State& st) {
    return compFree(st, cat::dva_tri) || compFree(st, cat::tri_dva);
}

} // namespace

// Chases three pairs from one or two each of 4, 5 and 6, then the patterns
// of fives and sixes, or fours and sixes, that the new dice offer.
bool Computer::PROVERKA3_2() {
    countFaces({6, 5, 4});
    return pairsInReach(st_) && (pairsFourFiveSix() || fivesSixesPairs() || foursSixesPairs());
}

bool Computer::pairsFourFiveSix() {
    keepRerollOnce({4, 5, 6});
    countFaces({6, 5, 4});
    if (st_.facesum(5) <= 4 || st_.facesum(6) <= 5 || st_.facesum(4) <= 3) {
        return false;
    }
    keepRerollOnce({4, 5, 6});
    countFaces({6, 5, 4});
    if (st_.facesum(4) == 8 && st_.facesum(5) == 10 && st_.facesum(6) == 12 &&
        compFree(st_, cat::tri_dva)) {
        entry(cat::tri_dva, 30, Sound::wow);
        return true;
    }
    if (kvintFrom29()) {
        return true;
    }
    return giveUp();
}

bool Computer::fivesSixesPairs() {
    const bool fiveOfTarget = (st_.facesum(5) == 10 && st_.facesum(6) == 18) ||
                              (st_.facesum(5) == 15 && st_.facesum(6) == 12);
    if (!fiveOfTarget || !eitherTripleCategoryFree(st_)) {
        return false;
    }
    keepRerollOnce({5, 6});
    countFaces({5, 6});
    const u8 five = st_.facesum(5);
    const u8 six = st_.facesum(6);
    if (six == 18 && five == 15 && compFree(st_, cat::dva_tri)) {
        entry(cat::dva_tri, 33, Sound::wow);
        return true;
    }
    if (compFree(st_, cat::tri_dva) && five == 10 && six == 24) {
        fourSixesTwoFives();
        return true;
    }
    if (compFree(st_, cat::tri_dva) && six == 12 && five == 20) {
        entry(cat::tri_dva, 32, Sound::wow);
        return true;
    }
    return giveUp();
}

// This entry alone sounds twice: the first die turns up between the two.
void Computer::fourSixesTwoFives() {
    board_.writeCategory(false, cat::tri_dva, 34);
    board_.sound(Sound::wow);
    board_.showDie(1);
    board_.sound(Sound::ye);
    for (std::size_t i = 2; i <= kDice; ++i) {
        board_.showDie(i);
    }
}

// Never starts after the fives and sixes stage has run: that stage needs
// five dice of 5 and 6, and the fours counted before it are then one at most.
bool Computer::foursSixesPairs() {
    const bool fiveOfTarget = (st_.facesum(4) == 8 && st_.facesum(6) == 18) ||
                              (st_.facesum(4) == 12 && st_.facesum(6) == 12);
    if (!fiveOfTarget || !eitherTripleCategoryFree(st_)) {
        return giveUp();
    }
    keepRerollOnce({4, 6});
    countFaces({6, 4});
    const u8 four = st_.facesum(4);
    const u8 six = st_.facesum(6);
    if (six == 18 && four == 12 && compFree(st_, cat::dva_tri)) {
        entry(cat::dva_tri, 30, Sound::wow);
        return true;
    }
    if (kvintFrom29()) {
        return true;
    }
    if (enterFirst({
            {compFree(st_, cat::care) && six >= 24, cat::care, 24, Sound::wow},
            {compFree(st_, 6) && six >= 24, 6, six, Sound::ye},
            {compFree(st_, 4) && four >= 16, 4, four, Sound::ye},
        })) {
        return true;
    }
    return giveUp();
}

} // namespace kvint
