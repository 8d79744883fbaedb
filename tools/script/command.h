#pragma once

#include "game/controls.h"
#include "tools/script/names.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kvint::script {

// The state fields a script may write with `set`.
enum class Field : unsigned char {
    turnowner,
    kubik,
    brosnum,
    mayscore,
    compscore,
    level,
    gamemode,
    rerollcount,
    dicelock,
    name1,
    name2,
};

struct RandomCmd {
    std::vector<float> values;
};
struct AnswerCmd {
    std::string text;
};
struct ReplyCmd {
    bool yes;
};
struct ClickCmd {
    Ctl control;
};
struct KeyCmd {
    Ctl die;
    std::uint16_t code;
};
struct CloseCmd {
    Ctl window;
};
struct SetCmd {
    Field field;
    std::vector<unsigned> values; // numeric fields
    std::string text;             // name1, name2
};
struct CallCmd {
    Procedure procedure;
};
struct DumpCmd {};

using Command = std::variant<RandomCmd, AnswerCmd, ReplyCmd, ClickCmd, KeyCmd, CloseCmd, SetCmd,
                             CallCmd, DumpCmd>;

// One script line, already without its line end. Nothing for a line that is
// skipped (empty, blanks only, or a comment). A malformed line throws
// ScriptHalt with the malformed status and a message naming the fault.
std::optional<Command> parseLine(std::string_view line);

} // namespace kvint::script
