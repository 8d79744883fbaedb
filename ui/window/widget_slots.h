#pragma once

#include "game/controls.h"

#include <cstddef>

namespace kvint::ui {

// The controls of the main window that are widgets on its stage, first to
// last in the order they are created.
inline constexpr Ctl kFirstWidget = Ctl::Label1;
inline constexpr Ctl kLastWidget = Ctl::Check3;

// A control's slot in the window's tables of widgets and actions.
constexpr std::size_t at(Ctl c) {
    return static_cast<std::size_t>(c);
}

} // namespace kvint::ui
