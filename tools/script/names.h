#pragma once

#include "computer/computer.h"
#include "game/controls.h"
#include "game/game.h"

#include <optional>
#include <string_view>
#include <variant>

namespace kvint::script {

// A procedure is the game's own (brosok), one of the computer's turn, or a
// check of its chain, which runs the rest of the chain after it.
using Procedure = std::variant<void (Game::*)(), void (Computer::*)(), Computer::Check>;

// The controls and menu items a script may click: the buttons, dice, option
// buttons, strength boxes, menu items and the rules window's button. Labels,
// frames, whole menus and the windows themselves take no click.
std::optional<Ctl> clickableByName(std::string_view name);

// Text1..Text6.
std::optional<Ctl> dieByName(std::string_view name);

// Form1 or Form2.
std::optional<Ctl> windowByName(std::string_view name);

// The procedures a script may call directly, by the names the game gives them.
std::optional<Procedure> procedureByName(std::string_view name);

void call(Game& game, Computer& computer, Procedure procedure);

} // namespace kvint::script
