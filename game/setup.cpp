#include "game/game.h"
#include "game/palette.h"
#include "game/panels.h"

namespace kvint {

void Game::paintColumnsFree() {
    for (std::size_t k = 1; k <= kCategories; ++k) {
        ui_.setBack(mayName(k), palette::leftColumn);
        ui_.setBack(may(k), palette::leftColumn);
    }
    for (std::size_t k = 1; k <= kCategories; ++k) {
        ui_.setBack(compName(k), palette::rightColumn);
        ui_.setBack(comp(k), palette::rightColumn);
    }
}

void Game::Form_Load() {
    paintColumnsFree();
    ui_.setBack(Ctl::Form1, palette::window);
}

void Game::Option1_Click() {
    ui_.hide(Ctl::hod);
    ui_.show(panel::strength);
    st_.gamemode = 0;
    st_.turnowner = 0;
}

void Game::Option2_Click() {
    st_.gamemode = 1;
    ui_.hide(panel::strength);
    ui_.show(Ctl::hod);
    st_.turnowner = 1;
}

// The strength boxes act as one choice: the box clicked last sets the level,
// even when that click cleared it.
void Game::Check1_Click() {
    st_.level = strength::novice;
    ui_[Ctl::Check2].value = 0;
    ui_[Ctl::Check3].value = 0;
}

void Game::Check2_Click() {
    st_.level = strength::master;
    ui_[Ctl::Check1].value = 0;
    ui_[Ctl::Check3].value = 0;
}

void Game::Check3_Click() {
    st_.level = strength::pro;
    ui_[Ctl::Check1].value = 0;
    ui_[Ctl::Check2].value = 0;
}

void Game::Command7_Click() {
    ui_.hide(panel::setup);
    ui_.show(panel::dice);
    ui_.show(panel::playerOne);
    ui_.show(panel::menus);
    if (st_.gamemode == 1) {
        st_.name1 = input(text(Msg::firstNamePrompt));
        st_.name2 = input(text(Msg::secondNamePrompt));
        ui_.setText(Ctl::Label8, st_.name1);
        ui_.setText(Ctl::Label32, st_.name2);
        ui_.setText(Ctl::schetcomp, text(Msg::playerScore, {st_.name2}));
        ui_.setText(Ctl::hod, text(Msg::turnOf, {st_.name1}));
    }
    if (st_.gamemode == 0) {
        st_.name1 = input(text(Msg::yourNamePrompt));
        ui_.setText(Ctl::Label8, st_.name1);
        ui_.setText(Ctl::Label32, text(Msg::computerLabel));
        st_.name2 = text(Msg::computerName);
        ui_.setText(Ctl::schetcomp, text(Msg::computerScore));
    }
    brosok();
}

void Game::novaya_Click() {
    endReported_ = false;
    st_.mayscore = {};
    st_.compscore = {};
    paintColumnsFree();
    for (std::size_t k = 1; k <= kCategories; ++k) {
        ui_.setText(may(k), "");
        ui_.setText(comp(k), "");
    }
    ui_.show(panel::setup);
    ui_.hide(panel::dice);
    ui_.hide(panel::playerOne);
    ui_.hide(panel::playerTwo);
    ui_.hide(panel::computer);
}

} // namespace kvint
