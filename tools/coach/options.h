#pragma once

#include "game/state.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <stdexcept>
#include <string_view>
#include <variant>

namespace kvint::coachtool {

// Answer the queries of a file, or of standard input.
struct QueryRun {
    std::optional<std::filesystem::path> file;
};
// Play whole games against the computer.
struct DuelRun {
    static constexpr int kMaxGames = 1'000'000;
    u8 level = 0;
    int games = 1;
    std::uint64_t seed = 1;
};
struct HelpRun {};
struct VersionRun {};
using Invocation = std::variant<QueryRun, DuelRun, HelpRun, VersionRun>;

// A command line the tool does not take; the message names the fault.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The arguments after the program's name. `--assets DIR` is taken as
// kvint-script takes it, so that one command line serves both tools; the
// coach itself reads no file from that folder.
Invocation parseCommandLine(std::span<const std::string_view> args);

inline constexpr std::string_view kUsage =
    "Usage: kvint-coach [--assets DIR] [FILE]\n"
    "       kvint-coach --duel LEVEL --games N [--seed S]\n"
    "       kvint-coach --help | --version\n"
    "Answers each query of FILE, or of standard input, with the choice that gives\n"
    "the side to move the best chance to win the game; one line a query:\n"
    "  advise level L mode M side S roll R left V1..V11 right V1..V11 dice D1..D6\n"
    "and one line an answer, flushed at once:\n"
    "  reroll I... win P | write K win P | pass win P | error MESSAGE\n"
    "Empty lines, blank lines and lines that start with '#' get no answer.\n"
    "  --assets DIR  the folder beside the program; the coach needs no file from it\n"
    "  --duel LEVEL  play whole games against the computer at LEVEL (0 master,\n"
    "                1 novice, 2 pro), the coach playing the left side, and print\n"
    "                  duel level L games N won W drawn D lost G\n"
    "  --games N     the number of games, 1..1000000\n"
    "  --seed S      the duel's seed, 0..18446744073709551615 (default 1); the same\n"
    "                seed plays the same games\n"
    "  --help        print this text and exit\n"
    "  --version     print the version and exit\n"
    "Exit status: 0 done, 1 internal error, 2 FILE unreadable or a wrong argument.\n";

} // namespace kvint::coachtool
