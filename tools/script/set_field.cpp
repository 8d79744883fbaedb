#include "tools/script/set_field.h"

#include <algorithm>

namespace kvint::script {
namespace {

// The parser hands exactly as many values as the field holds; a shorter list
// would leave the rest untouched rather than run past the end.
template <typename Field> void copyInto(const std::vector<unsigned>& values, Field& field) {
    using T = std::decay_t<decltype(*field.begin())>;
    const std::size_t n = std::min(values.size(), Field::size());
    std::transform(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(n), field.begin(),
                   [](unsigned v) { return static_cast<T>(v); });
}

u8 byte(const SetCmd& cmd) {
    return static_cast<u8>(cmd.values.front());
}

} // namespace

void applySet(const SetCmd& cmd, State& st) {
    switch (cmd.field) {
    case Field::turnowner:
        st.turnowner = byte(cmd);
        return;
    case Field::kubik:
        copyInto(cmd.values, st.kubik);
        return;
    case Field::brosnum:
        st.brosnum = byte(cmd);
        return;
    case Field::mayscore:
        copyInto(cmd.values, st.mayscore);
        return;
    case Field::compscore:
        copyInto(cmd.values, st.compscore);
        return;
    case Field::level:
        st.level = byte(cmd);
        return;
    case Field::gamemode:
        st.gamemode = byte(cmd);
        return;
    case Field::rerollcount:
        st.rerollcount = byte(cmd);
        return;
    case Field::dicelock:
        st.dicelock = byte(cmd);
        return;
    case Field::name1:
        st.name1 = cmd.text;
        return;
    case Field::name2:
        st.name2 = cmd.text;
        return;
    }
}

} // namespace kvint::script
