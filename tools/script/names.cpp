#include "tools/script/names.h"

#include <array>
#include <utility>

namespace kvint::script {
namespace {

bool within(Ctl c, Ctl first, Ctl last) {
    return c >= first && c <= last;
}

constexpr std::array<std::pair<std::string_view, Procedure>, 17> kProcedures = {{
    {"brosok", &Game::brosok},
    {"broskom", &Game::broskom},
    {"broskom1", &Game::broskom1},
    {"julik", &Game::julik},
    {"proverkastrit", &Game::proverkastrit},
    {"proverka", &Game::proverka},
    {"proverka2_3", &Game::proverka2_3},
    {"PROVERKA3_2", &Game::PROVERKA3_2},
    {"proverkacare", &Game::proverkacare},
    {"proverka5", &Game::proverka5},
    {"proverka4", &Game::proverka4},
    {"proverka3", &Game::proverka3},
    {"proverka2", &Game::proverka2},
    {"proverka1", &Game::proverka1},
    {"proverka21", &Game::proverka21},
    {"proverka31", &Game::proverka31},
    {"proverka654", &Game::proverka654},
}};

} // namespace

std::optional<Ctl> clickableByName(std::string_view name) {
    const auto c = controlByName(name);
    if (!c) {
        return std::nullopt;
    }
    const bool clickable = within(*c, Ctl::Text1, Ctl::Command7) ||
                           within(*c, Ctl::Option1, Ctl::Check3) || kindOf(*c) == Kind::menuItem ||
                           *c == Ctl::Form2_Command1;
    return clickable ? c : std::nullopt;
}

std::optional<Ctl> dieByName(std::string_view name) {
    const auto c = controlByName(name);
    return c && within(*c, Ctl::Text1, Ctl::Text6) ? c : std::nullopt;
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

} // namespace kvint::script
