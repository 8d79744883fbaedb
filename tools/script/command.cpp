#include "tools/script/command.h"

#include "tools/script/halt.h"
#include "tools/script/numbers.h"

#include <array>

namespace kvint::script {
namespace {

constexpr unsigned kMaxByte = 255;
constexpr unsigned kMaxFace = 6;
constexpr unsigned kMaxKey = 65535;

[[noreturn]] void malformed(const std::string& why) {
    throw ScriptHalt(kExitMalformed, why);
}

// Words are separated by exactly one blank: two blanks in a row, or a blank
// at either end, make an empty word, which no command takes.
std::vector<std::string_view> splitWords(std::string_view s) {
    std::vector<std::string_view> words;
    for (;;) {
        const auto blank = s.find(' ');
        words.push_back(s.substr(0, blank));
        if (blank == std::string_view::npos) {
            return words;
        }
        s.remove_prefix(blank + 1);
    }
}

// What follows the command word: nothing at all, or the text after its blank.
struct Rest {
    bool present = false;
    std::string_view text;

    [[nodiscard]] std::vector<std::string_view> words() const {
        return present ? splitWords(text) : std::vector<std::string_view>{};
    }
};

struct Split {
    std::string_view word;
    Rest rest;
};

// The first word, and what follows its blank if it has one.
Split splitFirst(std::string_view s) {
    const auto blank = s.find(' ');
    if (blank == std::string_view::npos) {
        return {s, {}};
    }
    return {s.substr(0, blank), {true, s.substr(blank + 1)}};
}

std::string_view onlyWord(const Rest& rest, std::string_view command) {
    const auto words = rest.words();
    if (words.size() != 1) {
        malformed(std::string(command) + " takes exactly one name");
    }
    return words.front();
}

RandomCmd parseRandomCmd(const Rest& rest) {
    RandomCmd cmd;
    const auto words = rest.words();
    if (words.empty()) {
        malformed("random needs at least one value");
    }
    for (std::string_view w : words) {
        const auto r = parseRandom(w);
        if (!r) {
            malformed("bad random value");
        }
        cmd.values.push_back(*r);
    }
    return cmd;
}

ReplyCmd parseReplyCmd(const Rest& rest) {
    const std::string_view word = onlyWord(rest, "reply");
    if (word == "yes" || word == "no") {
        return {word == "yes"};
    }
    malformed("reply takes yes or no");
}

ClickCmd parseClickCmd(const Rest& rest) {
    const auto c = clickableByName(onlyWord(rest, "click"));
    if (!c) {
        malformed("click: unknown name");
    }
    return {*c};
}

KeyCmd parseKeyCmd(const Rest& rest) {
    const auto words = rest.words();
    if (words.size() != 2) {
        malformed("key takes a die box and a key code");
    }
    const auto die = dieByName(words[0]);
    if (!die) {
        malformed("key: unknown die box");
    }
    const auto code = parseBounded(words[1], kMaxKey);
    if (!code) {
        malformed("key: bad key code");
    }
    return {*die, static_cast<std::uint16_t>(*code)};
}

CloseCmd parseCloseCmd(const Rest& rest) {
    const auto w = windowByName(onlyWord(rest, "close"));
    if (!w) {
        malformed("close: unknown window");
    }
    return {*w};
}

CallCmd parseCallCmd(const Rest& rest) {
    const auto p = procedureByName(onlyWord(rest, "call"));
    if (!p) {
        malformed("call: unknown procedure");
    }
    return {*p};
}

struct FieldShape {
    std::string_view name;
    Field field;
    std::size_t count; // numbers it takes; 0 for a text field
    unsigned max;
};

constexpr std::array<FieldShape, 11> kFields = {{
    {"turnowner", Field::turnowner, 1, kMaxByte},
    {"kubik", Field::kubik, 6, kMaxFace},
    {"brosnum", Field::brosnum, 1, kMaxByte},
    {"mayscore", Field::mayscore, 11, kMaxByte},
    {"compscore", Field::compscore, 11, kMaxByte},
    {"level", Field::level, 1, kMaxByte},
    {"gamemode", Field::gamemode, 1, kMaxByte},
    {"rerollcount", Field::rerollcount, 1, kMaxByte},
    {"dicelock", Field::dicelock, 1, kMaxByte},
    {"name1", Field::name1, 0, 0},
    {"name2", Field::name2, 0, 0},
}};

const FieldShape* findField(std::string_view name) {
    for (const FieldShape& f : kFields) {
        if (f.name == name) {
            return &f;
        }
    }
    return nullptr;
}

SetCmd parseSetCmd(const Rest& rest) {
    if (!rest.present) {
        malformed("set needs a field");
    }
    const auto [name, values] = splitFirst(rest.text);
    const FieldShape* shape = findField(name);
    if (shape == nullptr) {
        malformed("set: unknown field");
    }
    if (shape->count == 0) {
        return {shape->field, {}, std::string(values.text)};
    }
    const auto words = values.words();
    if (words.size() != shape->count) {
        malformed("set " + std::string(name) + ": wrong number of values");
    }
    SetCmd cmd{shape->field, {}, {}};
    for (std::string_view w : words) {
        const auto v = parseBounded(w, shape->max);
        if (!v) {
            malformed("set " + std::string(name) + ": bad value");
        }
        cmd.values.push_back(*v);
    }
    return cmd;
}

void expectNothing(const Rest& rest, std::string_view command) {
    if (rest.present) {
        malformed(std::string(command) + " takes nothing after it");
    }
}

Command parseCommand(std::string_view word, const Rest& rest) {
    if (word == "random") {
        return parseRandomCmd(rest);
    }
    if (word == "answer") {
        return AnswerCmd{std::string(rest.text)};
    }
    if (word == "reply") {
        return parseReplyCmd(rest);
    }
    if (word == "click") {
        return parseClickCmd(rest);
    }
    if (word == "key") {
        return parseKeyCmd(rest);
    }
    if (word == "close") {
        return parseCloseCmd(rest);
    }
    if (word == "set") {
        return parseSetCmd(rest);
    }
    if (word == "call") {
        return parseCallCmd(rest);
    }
    if (word == "dump") {
        expectNothing(rest, word);
        return DumpCmd{};
    }
    malformed("unknown command");
}

} // namespace

std::optional<Command> parseLine(std::string_view line) {
    if (line.find_first_not_of(' ') == std::string_view::npos || line.front() == '#') {
        return std::nullopt;
    }
    const auto [word, rest] = splitFirst(line);
    return parseCommand(word, rest);
}

} // namespace kvint::script
