// Tallies the computer's turns for the coach: for each case its chain reads
// (coach/computer_turns.h) and each free set of its column, kTurnSamples
// turns played by the chain itself on a scratch game, counted by the
// category written and its points. Deterministic: a fixed seed, one stream.
// The coach's tests play fresh turns against the table, so a change to the
// chain that leaves it stale fails them. To make it again:
//
//     cmake --build build --target make-computer-turns
//     build/make-computer-turns > coach/computer_turns.inc
//
// (about a minute in a Release build).
#include "coach/computer_turns.h"

#include <cstdio>
#include <map>
#include <utility>
#include <vector>

namespace {

using namespace kvint;
using namespace kvint::coach;

constexpr std::uint64_t kSeed = 0x6b76696e74ULL;
constexpr std::size_t kPerLine = 8;

std::vector<std::uint32_t> tallies(ScratchComputer& computer, std::size_t c, FreeSet free) {
    std::map<std::pair<std::size_t, int>, int> counts;
    for (int i = 0; i < kTurnSamples; ++i) {
        const TurnOutcome o = computer.play(c, free);
        if (o.k != 0) {
            ++counts[{o.k, o.points}];
        }
    }
    std::vector<std::uint32_t> words{static_cast<std::uint32_t>(counts.size())};
    for (const auto& [outcome, count] : counts) {
        words.push_back(pack({{outcome.first, outcome.second}, count}));
    }
    return words;
}

} // namespace

int main() {
    ScratchComputer computer(kSeed);
    std::vector<std::uint32_t> table;
    for (std::size_t c = 0; c < kComputerCases; ++c) {
        for (FreeSet free = 1; free <= kAllFree; ++free) {
            const std::vector<std::uint32_t> words = tallies(computer, c, free);
            table.insert(table.end(), words.begin(), words.end());
        }
    }
    std::printf("// Made by tools/make-computer-turns.cpp; do not edit.\n");
    std::printf("// clang-format off\n");
    std::printf("constexpr std::array<std::uint32_t, %zu> kTurnTable = {\n", table.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
        std::printf("%s%u,%s", i % kPerLine == 0 ? "" : " ", table[i],
                    i % kPerLine == kPerLine - 1 || i + 1 == table.size() ? "\n" : "");
    }
    std::printf("};\n// clang-format on\n");
    return 0;
}
