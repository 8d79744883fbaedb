#include "tools/script/runner.h"

#include "computer/computer.h"
#include "game/game.h"
#include "tools/script/command.h"
#include "tools/script/dump.h"
#include "tools/script/halt.h"
#include "tools/script/line_reader.h"
#include "tools/script/script_platform.h"
#include "tools/script/set_field.h"
#include "tools/script/transcript.h"

#include <optional>
#include <string>
#include <variant>

namespace kvint::script {
namespace {

template <typename... Fs> struct Overloaded : Fs... { using Fs::operator()...; };
template <typename... Fs>
Overloaded(Fs...) -> Overloaded<Fs...>; // for compilers without CTAD of aggregates

class Runner {
  public:
    Runner(std::ostream& transcript, const std::filesystem::path& assets)
        : out_(transcript), platform_(transcript), game_(platform_, assets) {
        game_.setOpponent(computer_);
    }

    void run(const Command& command) {
        std::visit(Overloaded{
                       [&](const RandomCmd& c) {
                           for (float r : c.values) {
                               platform_.queueRandom(r);
                           }
                       },
                       [&](const AnswerCmd& c) { platform_.queueAnswer(c.text); },
                       [&](const ReplyCmd& c) { platform_.queueReply(c.yes); },
                       [&](const ClickCmd& c) { game_.click(c.control); },
                       [&](const KeyCmd& c) { game_.keyPress(c.die, c.code); },
                       [&](const CloseCmd& c) { game_.closeWindow(c.window); },
                       [&](const SetCmd& c) { applySet(c, game_.state()); },
                       [&](const CallCmd& c) { call(game_, computer_, c.procedure); },
                       [&](const DumpCmd&) { dumpGame(game_, out_); },
                   },
                   command);
    }

    [[nodiscard]] const Game& game() const { return game_; }

  private:
    std::ostream& out_;
    ScriptPlatform platform_;
    Game game_;
    Computer computer_{game_.board()};
};

int fail(std::ostream& out, int status, const std::string& message) {
    writeRecord(out, {"error", message});
    return status;
}

std::string at(std::size_t line, const std::string& what) {
    return "line " + std::to_string(line) + ": " + what;
}

int runLines(LineReader& reader, Runner& runner, std::ostream& out) {
    std::string line;
    for (;;) {
        switch (reader.next(line)) {
        case LineReader::Status::end:
            return kExitOk;
        case LineReader::Status::tooLong:
            return fail(out, kExitMalformed, at(reader.lineNumber(), "line too long"));
        case LineReader::Status::unreadable:
            return fail(out, kExitMalformed, "the script cannot be read");
        case LineReader::Status::line:
            break;
        }
        try {
            if (const auto command = parseLine(line)) {
                runner.run(*command);
            }
        } catch (const ScriptHalt& halt) {
            return fail(out, halt.status(), at(reader.lineNumber(), halt.what()));
        }
    }
}

} // namespace

int runScript(std::istream& script, std::ostream& transcript, const std::filesystem::path& assets,
              const std::function<void(const Game&)>& inspect) {
    LineReader reader(script);
    std::optional<Runner> runner;
    int status = kExitOk;
    try {
        runner.emplace(transcript, assets);
        status = runLines(reader, *runner, transcript);
    } catch (const ProgramEnded&) {
        status = kExitOk;
    } catch (const ScriptHalt& halt) {
        status = fail(transcript, halt.status(), halt.what()); // raised by the load handler
    }
    if (inspect && runner) {
        inspect(runner->game());
    }
    return status;
}

} // namespace kvint::script
