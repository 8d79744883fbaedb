#pragma once

#include "game/one_based.h"

#include <cstdint>
#include <string>

namespace kvint {

using u8 = std::uint8_t;
using Face = std::int16_t;

constexpr std::size_t kDice = 6;
constexpr std::size_t kCategories = 11;

using Dice = OneBased<Face, kDice>;
using Column = OneBased<u8, kCategories>;

// Category numbers shared by both columns of the score sheet.
namespace cat {
constexpr std::size_t dva_tri = 7; // "2/3": two triples
constexpr std::size_t tri_dva = 8; // "3/2": three pairs
constexpr std::size_t strit = 9;
constexpr std::size_t care = 10;
constexpr std::size_t kvint = 11;
} // namespace cat

// Strengths of the computer, as the boxes Check1..Check3 set them.
namespace strength {
constexpr u8 master = 0;
constexpr u8 novice = 1;
constexpr u8 pro = 2;
} // namespace strength

// The one record the main window owns for the whole run. Every field starts
// at 0 or empty; only the handlers named in the rules change it.
struct State {
    u8 turnowner = 0; // 0 against the computer, 1 or 2 in a game of two people
    Dice kubik;       // 0 before the first roll, then 1..6
    u8 brosnum = 0;   // number of the current roll in a human turn, 1..3
    Column mayscore;  // left column; 0 = category free

    // The computer's work fields. They outlive a turn on purpose: some checks
    // read a count that an earlier stage made.
    OneBased<u8, kDice> facesum; // facesum(k) = k times the dice showing k
    u8 sum23 = 0;
    u8 sum32 = 0;
    u8 dicesum = 0;

    Column compscore; // right column: the computer or player two
    u8 pairs = 0;
    u8 level = strength::master;
    u8 gamemode = 0; // 0 against the computer, 1 two people
    u8 rerollcount = 0;
    std::string name1;
    std::string name2;
    u8 dicelock = 0; // 1 = the dice ignore clicks and keys

    friend bool operator==(const State&, const State&) = default;
};

// Adds without wrapping: the 8-bit counters stop at 255.
constexpr u8 saturatingInc(u8 v) {
    return v == 255 ? v : static_cast<u8>(v + 1);
}

constexpr bool columnComplete(const Column& c) {
    for (u8 v : c) {
        if (v == 0) {
            return false;
        }
    }
    return true;
}

// Totals are formed wide: eleven categories can add up to more than 255.
constexpr int columnTotal(const Column& c) {
    int total = 0;
    for (u8 v : c) {
        total += v;
    }
    return total;
}

constexpr int diceTotal(const Dice& d) {
    int total = 0;
    for (Face f : d) {
        total += f;
    }
    return total;
}

} // namespace kvint
