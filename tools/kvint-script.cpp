// kvint-script: runs the game's own logic from a script of user actions and
// writes what the game does as a transcript on standard output.
//
//     kvint-script [--assets DIR] [SCRIPT]
//     kvint-script --help
#include "tools/script/halt.h"
#include "tools/script/runner.h"
#include "tools/script/transcript.h"

#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>

namespace {

namespace fs = std::filesystem;
using namespace kvint::script;

constexpr std::string_view kUsage =
    "Usage: kvint-script [--assets DIR] [SCRIPT]\n"
    "       kvint-script --help\n"
    "Runs the game's logic from a script of user actions (SCRIPT, or standard input)\n"
    "and writes the transcript on standard output.\n"
    "  --assets DIR  the folder beside the program (help.rls); default: the folder\n"
    "                that holds this executable\n"
    "  --help        print this text and exit\n"
    "Exit status: 0 done, 2 malformed script line or argument, 3 empty queue.\n";

struct Options {
    std::optional<fs::path> assets;
    std::optional<fs::path> script;
    bool help = false;
};

// A usage fault ends the tool as a malformed line would: an error record on
// the transcript, the reason on standard error too.
int usageError(const std::string& message) {
    writeRecord(std::cout, {"error", message});
    std::cerr << "kvint-script: " << message << '\n';
    return kExitMalformed;
}

// The files beside the program are those beside this executable.
fs::path executableFolder(const char* argv0) {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        return self.parent_path();
    }
    const fs::path given = argv0 != nullptr ? fs::path(argv0).parent_path() : fs::path();
    return given.empty() ? fs::path(".") : given;
}

std::optional<std::string> parseArguments(std::span<char*> args, Options& options) {
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--help") {
            options.help = true;
        } else if (arg == "--assets") {
            if (i + 1 == args.size()) {
                return "--assets needs a folder";
            }
            options.assets = args[++i];
        } else if (arg.starts_with("-")) {
            return "unknown option " + std::string(arg);
        } else if (options.script) {
            return "more than one script given";
        } else {
            options.script = fs::path(arg);
        }
    }
    return std::nullopt;
}

int runFile(const fs::path& script, const fs::path& assets) {
    std::error_code ec;
    if (fs::is_directory(script, ec)) {
        return usageError("cannot read " + script.string());
    }
    std::ifstream in(script, std::ios::binary);
    if (!in) {
        return usageError("cannot read " + script.string());
    }
    return runScript(in, std::cout, assets);
}

int run(std::span<char*> args) {
    Options options;
    if (const auto problem = parseArguments(args, options)) {
        return usageError(*problem);
    }
    if (options.help) {
        std::cout << kUsage;
        return 0;
    }
    const fs::path assets =
        options.assets.value_or(executableFolder(args.empty() ? nullptr : args[0]));
    if (options.script) {
        return runFile(*options.script, assets);
    }
    return runScript(std::cin, std::cout, assets);
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    int status = 0;
    try {
        status = run(std::span<char*>(argv, static_cast<std::size_t>(argc)));
    } catch (const std::exception& e) {
        // A fault of the game or the tool itself, never of the script: still
        // closed by an error record, with a status outside the script's own.
        writeRecord(std::cout, {"error", std::string("internal error: ") + e.what()});
        std::cerr << "kvint-script: internal error: " << e.what() << '\n';
        status = 1;
    }
    std::cout.flush();
    return std::cout ? status : 1;
}
