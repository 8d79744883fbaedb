// Times the coach: its tables, then a duel at each strength, with the time of
// every answer it gave. Prints the figures the coach is judged by.
#include "coach/duel.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    using Clock = std::chrono::steady_clock;
    const int games = argc > 1 ? std::atoi(argv[1]) : 1000;
    const auto t0 = Clock::now();
    const kvint::coach::Coach coach;
    const auto t1 = Clock::now();
    std::printf("tables %.3f s\n", std::chrono::duration<double>(t1 - t0).count());
    for (kvint::u8 level : {kvint::strength::novice, kvint::strength::master, kvint::strength::pro}) {
        const auto s = Clock::now();
        const auto r = kvint::coach::duel(coach, level, games, 1);
        const double secs = std::chrono::duration<double>(Clock::now() - s).count();
        std::printf("level %d won %d drawn %d lost %d  score %.1f %%  %.1f s\n", level, r.won,
                    r.drawn, r.lost, 100.0 * (r.won + 0.5 * r.drawn) / games, secs);
    }
}
