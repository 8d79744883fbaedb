#include "game/game.h"

namespace kvint {

void Game::click(Ctl c) {
    if (ended_ || !controls_.reachable(c)) {
        return;
    }
    if (kindOf(c) == Kind::checkBox) {
        controls_[c].value = controls_[c].value == 1 ? 0 : 1;
    }
    if (kindOf(c) == Kind::option) {
        controls_[Ctl::Option1].value = c == Ctl::Option1 ? 1 : 0;
        controls_[Ctl::Option2].value = c == Ctl::Option2 ? 1 : 0;
    }
    switch (c) {
    case Ctl::Text1:
    case Ctl::Text2:
    case Ctl::Text3:
    case Ctl::Text4:
    case Ctl::Text5:
    case Ctl::Text6:
        return Text_Click(numberIn(Ctl::Text1, c));
    case Ctl::Command1:
        return Command1_Click();
    case Ctl::Command2:
        return Command2_Click();
    case Ctl::Command3:
        return Command3_Click();
    case Ctl::Command4:
        return Command4_Click();
    case Ctl::Command5:
        return Command5_Click();
    case Ctl::Command6:
        return Command6_Click();
    case Ctl::Command7:
        return Command7_Click();
    case Ctl::Option1:
        return Option1_Click();
    case Ctl::Option2:
        return Option2_Click();
    case Ctl::Check1:
        return Check1_Click();
    case Ctl::Check2:
        return Check2_Click();
    case Ctl::Check3:
        return Check3_Click();
    case Ctl::novaya:
        return novaya_Click();
    case Ctl::vihod:
        return vihod_Click();
    case Ctl::hod:
        return hod_Click();
    case Ctl::mayschet:
        return mayschet_Click();
    case Ctl::schetcomp:
        return schetcomp_Click();
    case Ctl::ochko:
        return ochko_Click();
    case Ctl::oprg:
        return oprg_Click();
    case Ctl::pravila:
        return pravila_Click();
    case Ctl::Form2_Command1:
        return Form2_Command1_Click();
    default:
        return; // labels, frames and menus themselves have no click handler
    }
}

void Game::keyPress(Ctl die, std::uint16_t code) {
    if (ended_ || !inRange(die, Ctl::Text1, Ctl::Text6) || !controls_.reachable(die)) {
        return;
    }
    Text_KeyPress(numberIn(Ctl::Text1, die), code);
}

void Game::closeWindow(Ctl window) {
    if (ended_ || kindOf(window) != Kind::window || !controls_[window].visible) {
        return;
    }
    if (window == Ctl::Form1) {
        Form1_Unload();
    } else {
        Form2_Unload();
    }
}

} // namespace kvint
