#include "computer/computer.h"

namespace kvint {

// Each block is chosen by the counts taken here at the start, even after an
// earlier block has thrown dice; a block recounts only its own face.
bool Computer::proverka() {
    countFaces({6, 5, 4, 3});
    if (proverkaSixes() || proverkaFives() || proverkaFace(4) || proverkaFace(3)) {
        clearHighCounts();
        return true;
    }
    return false;
}

bool Computer::proverkaSixes() {
    const bool anyFree = compFree(st_, 6) || compFree(st_, cat::dva_tri) ||
                         compFree(st_, cat::tri_dva) || compFree(st_, cat::care) ||
                         compFree(st_, cat::kvint);
    if (st_.facesum(6) < 24 || !anyFree) {
        return false;
    }
    keepRerollOnce({6});
    keepRerollOnce({6});
    countFaces({6});
    const u8 six = st_.facesum(6);
    return enterFirst({
        {six == 36 && compFree(st_, cat::dva_tri), cat::dva_tri, 36, Sound::wow},
        {six == 36 && compFree(st_, cat::tri_dva), cat::tri_dva, 36, Sound::wow},
        {compFree(st_, 6) && six >= 30, 6, six, Sound::ye},
        {compFree(st_, cat::care) && six >= 24, cat::care, 24, Sound::wow},
        {compFree(st_, 6) && six == 24, 6, 24, Sound::ye},
        {six >= 30 && compFree(st_, cat::kvint), cat::kvint, diceSum(st_), Sound::wow},
    });
}

// "care" is no aim here: four fives are worth more in face 5.
bool Computer::proverkaFives() {
    const bool anyFree = compFree(st_, 5) || compFree(st_, cat::dva_tri) ||
                         compFree(st_, cat::tri_dva) || compFree(st_, cat::kvint);
    if (st_.facesum(5) < 20 || !anyFree) {
        return false;
    }
    keepRerollTwice({5});
    countFaces({5});
    const u8 five = st_.facesum(5);
    if (enterFirst({
            {five == 30 && compFree(st_, cat::dva_tri), cat::dva_tri, 30, Sound::wow},
            {five == 30 && compFree(st_, cat::tri_dva), cat::tri_dva, 30, Sound::wow},
            {compFree(st_, 5) && five >= 20, 5, five, Sound::ye},
        })) {
        return true;
    }
    return five >= 25 && kvintFrom29();
}

// Three of face f (4 or 3) try for four of them in the face category.
bool Computer::proverkaFace(Face f) {
    const auto k = static_cast<std::size_t>(f);
    if (st_.facesum(k) < 3 * f || !compFree(st_, k)) {
        return false;
    }
    keepRerollTwice({f});
    countFaces({f});
    if (st_.facesum(k) < 4 * f) {
        return false;
    }
    entry(k, st_.facesum(k), Sound::ye);
    return true;
}

} // namespace kvint
