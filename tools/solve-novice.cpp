// Solves the game against "Новичок" (coach/novice_solution.h) and prints the
// best chance to win that any player of the left side has from the start, a
// draw counting half. With --fold, the computer's larger free sets are
// folded into classes (ComputerChain::folded). With --duel, it then plays
// that many games against the game's own computer following the solution,
// the coach's duel on the given seed, and prints the duel's line.
//
//     cmake --build build-rel --target solve-novice
//     build-rel/solve-novice [--fold] [--duel GAMES [--seed S]]
//
// Exact, it takes about an hour and a half of two cores and 3.4 GB; folded,
// about eight minutes and 200 MB.
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
    bool fold = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--fold") {
            fold = true;
        } else if (i + 1 < argc && option == "--duel") {
            games = std::strtol(argv[++i], nullptr, 10);
        } else if (i + 1 < argc && option == "--seed") {
            seed = std::strtoull(argv[++i], nullptr, 10);
        } else {
            std::fprintf(stderr, "usage: solve-novice [--fold] [--duel GAMES [--seed S]]\n");
            return 2;
        }
    }
    const DiceSpace space;
    const PointsTable points(space);
    const ComputerModel computer;
    const ComputerChain chain =
        fold ? ComputerChain::folded(computer) : ComputerChain::exact(computer, kAllFree);
    const NoviceSolution solution(space, points, chain, kAllFree,
                                  std::thread::hardware_concurrency());
    std::printf("best chance from the start %.4f\n", static_cast<double>(solution.atStart()));
    if (games > 0) {
        const Coach coach(solution);
        const DuelResult r = duel(coach, strength::novice, static_cast<int>(games), seed);
        std::printf("duel level 1 games %ld won %d drawn %d lost %d\n", games, r.won, r.drawn,
                    r.lost);
    }
    return 0;
}
