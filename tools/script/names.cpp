#include "tools/script/names.h"

#include <array>
#include <utility>

namespace kvint::script {
namespace {

constexpr std::array<std::pair<std::string_view, Procedure>, 17> kProcedures = {{
    {"brosok", &Game::brosok},
    {"broskom", &Computer::broskom},
    {"broskom1", &Computer::broskom1},
    {"julik", &Computer::julik},
    {"proverkastrit", &Computer::proverkastrit},
    {"proverka", &Computer::proverka},
    {"proverka2_3", &Computer::proverka2_3},
    {"PROVERKA3_2", &Computer::PROVERKA3_2},
    {"proverkacare", &Computer::proverkacare},
    {"proverka5", &Computer::proverka5},
    {"proverka4", &Computer::proverka4},
    {"proverka3", &Computer::proverka3},
    {"proverka2", &Computer::proverka2},
    {"proverka1", &Computer::proverka1},
    {"proverka21", &Computer::proverka21},
    {"proverka31", &Computer::proverka31},
    {"proverka654", &Computer::proverka654},
}};

} // namespace

std::optional<Ctl> clickableByName(std::string_view name) {
    const auto c = controlByName(name);
    if (!c) {
        return std::nullopt;
    }
    const bool clickable = inRange(*c, Ctl::Text1, Ctl::Command7) ||
                           inRange(*c, Ctl::Option1, Ctl::Check3) || kindOf(*c) == Kind::menuItem ||
                           *c == Ctl::Form2_Command1;
    return clickable ? c : std::nullopt;
}

std::optional<Ctl> dieByName(std::string_view name) {
    const auto c = controlByName(name);
    return c && inRange(*c, Ctl::Text1, Ctl::Text6) ? c : std::nullopt;
}

std::optional<Ctl> windowByName(std::string_view name) {
    const auto c = controlByName(name);
    return c && kindOf(*c) == Kind::window ? c : std::nullopt;
}

std::optional<Procedure> procedureByName(std::string_view name) {
    for (const auto& [known, proc] : kProcedures) {
        if (known == name) {
            return proc;
        }
    }
    return std::nullopt;
}

void call(Game& game, Computer& computer, Procedure procedure) {
    if (const auto* own = std::get_if<void (Game::*)()>(&procedure)) {
        (game.**own)();
        return;
    }
    if (const auto* turn = std::get_if<void (Computer::*)()>(&procedure)) {
        (computer.**turn)();
        return;
    }
    computer.runFrom(std::get<Computer::Check>(procedure));
}

} // namespace kvint::script
