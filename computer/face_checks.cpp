// The face checks that look at one face alone, each by its own thresholds.
#include "computer/computer.h"

namespace kvint {

// Fours: kept from two, written from four.
bool Computer::proverka4() {
    return faceCheck(4, 8, 16);
}

// Threes: kept from two, written from three.
bool Computer::proverka3() {
    return faceCheck(3, 6, 9);
}

// Twos: kept from two and so always written once kept.
bool Computer::proverka2() {
    return faceCheck(2, 4, 4);
}

// Ones: a single one is already an entry.
bool Computer::proverka1() {
    return faceCheck(1, 1, 1);
}

// The second chance for twos, reached with the category free only when fewer
// than two twos were showing: kept from one, written from three.
bool Computer::proverka21() {
    return faceCheck(2, 2, 6);
}

} // namespace kvint
