#include "tools/script/dump.h"

#include "tools/script/transcript.h"

#include <string>

namespace kvint::script {
namespace {

template <typename Values> std::string joined(const Values& values) {
    std::string out;
    for (const auto v : values) {
        if (!out.empty()) {
            out += ' ';
        }
        out += std::to_string(v);
    }
    return out;
}

void stateRecord(std::ostream& out, std::string_view field, std::string_view value) {
    writeRecord(out, {"state", field, value});
}

void stateRecord(std::ostream& out, std::string_view field, int value) {
    stateRecord(out, field, std::to_string(value));
}

// -1 stands for "never set" (BACK) and "not a tick box" (VALUE).
std::string orDash(int v) {
    return v < 0 ? "-" : std::to_string(v);
}

void dumpState(const State& st, std::ostream& out) {
    stateRecord(out, "turnowner", st.turnowner);
    stateRecord(out, "kubik", joined(st.kubik));
    stateRecord(out, "brosnum", st.brosnum);
    stateRecord(out, "mayscore", joined(st.mayscore));
    stateRecord(out, "compscore", joined(st.compscore));
    stateRecord(out, "level", st.level);
    stateRecord(out, "gamemode", st.gamemode);
    stateRecord(out, "rerollcount", st.rerollcount);
    stateRecord(out, "dicelock", st.dicelock);
    stateRecord(out, "name1", st.name1);
    stateRecord(out, "name2", st.name2);
}

void dumpControls(const Controls& ui, std::ostream& out) {
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const Ctl id = static_cast<Ctl>(i);
        const Control& c = ui[id];
        writeRecord(out, {"control", controlName(id), c.visible ? "1" : "0", c.text, orDash(c.back),
                          orDash(c.value)});
    }
}

} // namespace

void dumpGame(const Game& game, std::ostream& out) {
    dumpState(game.state(), out);
    dumpControls(game.controls(), out);
}

} // namespace kvint::script
