// kvint-coach: answers "what should the side to move do now?" for positions
// of the game, one query a line, and plays duels against the computer to
// measure the coach.
//
//     kvint-coach [--assets DIR] [FILE]
//     kvint-coach --duel LEVEL --games N [--seed S]
//     kvint-coach --help | --version
#include "coach/coach.h"
#include "coach/duel.h"
#include "tools/coach/options.h"
#include "tools/coach/session.h"

#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <type_traits>
#include <variant>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace kvint;
using namespace kvint::coachtool;

constexpr int kExitInternal = 1;
constexpr int kExitUsage = 2;
constexpr int kExitUnreadable = 2;

int cannotRead(const fs::path& file, std::string_view why) {
    std::cerr << "kvint-coach: cannot read " << file.string() << ": " << why << '\n';
    return kExitUnreadable;
}

int statusOf(SessionEnd end, const fs::path& source) {
    switch (end) {
    case SessionEnd::endOfInput:
        return 0;
    case SessionEnd::unreadable:
        return cannotRead(source, "read error");
    case SessionEnd::outputFailed:
        return kExitInternal;
    }
    return kExitInternal;
}

int answer(const QueryRun& run) {
    if (!run.file) {
        CoachOnDemand coach;
        return statusOf(answerQueries(std::cin, std::cout, coach), "standard input");
    }
    std::error_code ec;
    const fs::file_status status = fs::status(*run.file, ec);
    if (ec) {
        return cannotRead(*run.file, ec.message());
    }
    if (!fs::is_regular_file(status)) {
        return cannotRead(*run.file, "not a regular file");
    }
    std::ifstream in(*run.file, std::ios::binary);
    if (!in) {
        return cannotRead(*run.file, "cannot open it");
    }
    CoachOnDemand coach;
    return statusOf(answerQueries(in, std::cout, coach), *run.file);
}

int duel(const DuelRun& run) {
    const coach::Coach coach;
    const coach::DuelResult r = coach::duel(coach, run.level, run.games, run.seed);
    std::cout << "duel level " << int{run.level} << " games " << run.games << " won " << r.won
              << " drawn " << r.drawn << " lost " << r.lost << '\n';
    return 0;
}

int run(std::span<char*> argv) {
    const std::vector<std::string_view> args(argv.begin() + (argv.empty() ? 0 : 1), argv.end());
    Invocation invocation;
    try {
        invocation = parseCommandLine(args);
    } catch (const UsageError& e) {
        std::cerr << "kvint-coach: " << e.what() << '\n' << kUsage;
        return kExitUsage;
    }
    return std::visit(
        [](const auto& what) -> int {
            using T = std::decay_t<decltype(what)>;
            if constexpr (std::is_same_v<T, HelpRun>) {
                std::cout << kUsage;
                return 0;
            } else if constexpr (std::is_same_v<T, VersionRun>) {
                std::cout << "kvint-coach " << KVINT_VERSION << '\n';
                return 0;
            } else if constexpr (std::is_same_v<T, DuelRun>) {
                return duel(what);
            } else {
                return answer(what);
            }
        },
        invocation);
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    int status = 0;
    try {
        status = run(std::span<char*>(argv, static_cast<std::size_t>(argc)));
    } catch (const std::exception& e) {
        // A fault of the coach or the tool, never of the input.
        std::cout.flush();
        std::cerr << "kvint-coach: internal error: " << e.what() << '\n';
        return kExitInternal;
    }
    std::cout.flush();
    return std::cout ? status : kExitInternal;
}
