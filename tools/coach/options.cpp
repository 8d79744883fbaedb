#include "tools/coach/options.h"

#include "tools/script/numbers.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <string>

namespace kvint::coachtool {
namespace {

// What the command line gave, before it is judged as a whole.
struct Given {
    bool help = false;
    bool version = false;
    std::optional<std::string_view> assets;
    std::optional<std::string_view> file;
    std::optional<std::string_view> duel;
    std::optional<std::string_view> games;
    std::optional<std::string_view> seed;
};

std::string str(std::string_view s) {
    return std::string(s);
}

std::optional<std::string_view>* valueSlot(Given& given, std::string_view option) {
    if (option == "--assets") {
        return &given.assets;
    }
    if (option == "--duel") {
        return &given.duel;
    }
    if (option == "--games") {
        return &given.games;
    }
    if (option == "--seed") {
        return &given.seed;
    }
    return nullptr;
}

Given gather(std::span<const std::string_view> args) {
    Given given;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--help") {
            given.help = true;
        } else if (arg == "--version") {
            given.version = true;
        } else if (auto* slot = valueSlot(given, arg)) {
            if (i + 1 == args.size()) {
                throw UsageError(str(arg) + " needs a value");
            }
            if (*slot) {
                throw UsageError(str(arg) + " is given twice");
            }
            *slot = args[++i];
        } else if (arg.starts_with('-')) {
            throw UsageError("unknown option '" + str(arg) + "'");
        } else if (given.file) {
            throw UsageError("more than one FILE given");
        } else {
            given.file = arg;
        }
    }
    return given;
}

std::uint64_t seedOf(std::string_view word) {
    std::uint64_t seed = 0;
    const bool digits = !word.empty() && std::all_of(word.begin(), word.end(),
                                                     [](char c) { return c >= '0' && c <= '9'; });
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), seed);
    if (!digits || ec != std::errc{} || end != word.data() + word.size()) {
        throw UsageError("--seed must be a number 0..18446744073709551615, not '" + str(word) +
                         "'");
    }
    return seed;
}

DuelRun duelOf(const Given& given) {
    if (given.assets || given.file) {
        throw UsageError("--duel takes no --assets and no FILE");
    }
    if (!given.duel || !given.games) {
        throw UsageError("a duel needs both --duel LEVEL and --games N");
    }
    DuelRun run;
    const auto level = script::parseBounded(*given.duel, 2);
    if (!level) {
        throw UsageError("--duel LEVEL must be 0, 1 or 2, not '" + str(*given.duel) + "'");
    }
    run.level = static_cast<u8>(*level);
    const auto games = script::parseBounded(*given.games, DuelRun::kMaxGames);
    if (!games || *games < 1) {
        throw UsageError("--games N must be 1..1000000, not '" + str(*given.games) + "'");
    }
    run.games = static_cast<int>(*games);
    if (given.seed) {
        run.seed = seedOf(*given.seed);
    }
    return run;
}

} // namespace

Invocation parseCommandLine(std::span<const std::string_view> args) {
    const Given given = gather(args);
    if (given.help) {
        return HelpRun{};
    }
    if (given.version) {
        return VersionRun{};
    }
    if (given.duel || given.games || given.seed) {
        return duelOf(given);
    }
    QueryRun run;
    if (given.file) {
        run.file = std::filesystem::path(*given.file);
    }
    return run;
}

} // namespace kvint::coachtool
