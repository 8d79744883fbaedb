#pragma once

#include "game/controls.h"

#include <array>

// The sets of controls that the game shows and hides together.
namespace kvint::panel {

inline constexpr std::array dice = {Ctl::Text1, Ctl::Text2, Ctl::Text3,
                                    Ctl::Text4, Ctl::Text5, Ctl::Text6};
// "перебросить", "записать", "отмена": the person against the computer, or
// player one.
inline constexpr std::array playerOne = {Ctl::Command1, Ctl::Command2, Ctl::Command3};
// "перебросить", "Записать", "Отмена".
inline constexpr std::array playerTwo = {Ctl::Command1, Ctl::Command5, Ctl::Command6};
// "бросай", which hands the dice back once the computer has had its turn.
inline constexpr std::array computer = {Ctl::Command4};
inline constexpr std::array setup = {Ctl::Frame1, Ctl::Option1, Ctl::Option2, Ctl::Check1,
                                     Ctl::Check2, Ctl::Check3,  Ctl::Command7};
inline constexpr std::array strength = {Ctl::Check1, Ctl::Check2, Ctl::Check3};
inline constexpr std::array menus = {Ctl::igra, Ctl::schet};

} // namespace kvint::panel
