// Solves the game against "Новичок" exactly (coach/novice_solution.h) and
// prints the best chance to win that any player of the left side has from
// the start, a draw counting half; with --duel, then plays that many games
// against the game's own computer following the solution, the coach's duel
// on the given seed, and prints the duel's line.
//
//     cmake --build build-rel --target solve-novice
//     build-rel/solve-novice [--duel GAMES [--seed S]]
//
// It takes about an hour of two cores and 3.4 GB of memory.
#include "coach/coach.h"
#include "coach/duel.h"
#include "coach/novice_solution.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <thread>

int main(int argc, char** argv) {
    using namespace kvint;
    using namespace kvint::coach;
    long games = 0;
    unsigned long long seed = 1;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view option = argv[i];
        if (option == "--duel") {
            games = std::strtol(argv[i + 1], nullptr, 10);
        } else if (option == "--seed") {
            seed = std::strtoull(argv[i + 1], nullptr, 10);
        } else {
            std::fprintf(stderr, "usage: solve-novice [--duel GAMES [--seed S]]\n");
            return 2;
        }
    }
    const DiceSpace space;
    const PointsTable points(space);
    const ComputerModel computer;
    const NoviceSolution exact(space, points, computer, kAllFree, kAllFree,
                               std::thread::hardware_concurrency());
    std::printf("best chance from the start %.4f\n", static_cast<double>(exact.atStart()));
    if (games > 0) {
        const Coach coach(exact);
        const DuelResult r = duel(coach, strength::novice, static_cast<int>(games), seed);
        std::printf("duel level 1 games %ld won %d drawn %d lost %d\n", games, r.won, r.drawn,
                    r.lost);
    }
    return 0;
}
