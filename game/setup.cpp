#include "game/game.h"
#include "game/palette.h"
#include "game/panels.h"

namespace kvint {

void Game::paintColumnsFree() {
    for (std::size_t k = 1; k <= kCategories; ++k) {
        controls_.setBack(mayName(k), palette::leftColumn);
        controls_.setBack(may(k), palette::leftColumn);
    }
    for (std::size_t k = 1; k <= kCategories; ++k) {
        controls_.setBack(compName(k), palette::rightColumn);
        controls_.setBack(comp(k), palette::rightColumn);
    }
}

void Game::Form_Load() {
    paintColumnsFree();
    controls_.setBack(Ctl::Form1, palette::window);
}

void Game::Option1_Click() {
    controls_.hide(Ctl::hod);
    controls_.show(panel::strength);
    st_.gamemode = 0;
    st_.turnowner = 0;
}

void Game::Option2_Click() {
    st_.gamemode = 1;
    controls_.hide(panel::strength);
    controls_.show(Ctl::hod);
    st_.turnowner = 1;
}

// The strength boxes act as one choice: the box clicked last sets the level,
// even when that click cleared it.
void Game::Check1_Click() {
    st_.level = strength::novice;
    controls_[Ctl::Check2].value = 0;
    controls_[Ctl::Check3].value = 0;
}

void Game::Check2_Click() {
    st_.level = strength::master;
    controls_[Ctl::Check1].value = 0;
    controls_[Ctl::Check3].value = 0;
}

void Game::Check3_Click() {
    st_.level = strength::pro;
    controls_[Ctl::Check1].value = 0;
    controls_[Ctl::Check2].value = 0;
}

void Game::Command7_Click() {
    controls_.hide(panel::setup);
    controls_.show(panel::dice);
    controls_.show(panel::playerOne);
    controls_.show(panel::menus);
    if (st_.gamemode == 1) {
        st_.name1 = board_.input(board_.text(Msg::firstNamePrompt));
        st_.name2 = board_.input(board_.text(Msg::secondNamePrompt));
        controls_.setText(Ctl::Label8, st_.name1);
        controls_.setText(Ctl::Label32, st_.name2);
        controls_.setText(Ctl::schetcomp, board_.text(Msg::playerScore, {st_.name2}));
        controls_.setText(Ctl::hod, board_.text(Msg::turnOf, {st_.name1}));
    }
    if (st_.gamemode == 0) {
        st_.name1 = board_.input(board_.text(Msg::yourNamePrompt));
        controls_.setText(Ctl::Label8, st_.name1);
        controls_.setText(Ctl::Label32, board_.text(Msg::computerLabel));
        st_.name2 = board_.text(Msg::computerName);
        controls_.setText(Ctl::schetcomp, board_.text(Msg::computerScore));
    }
    brosok();
}

void Game::novaya_Click() {
    board_.forgetEnd();
    st_.mayscore = {};
    st_.compscore = {};
    paintColumnsFree();
    for (std::size_t k = 1; k <= kCategories; ++k) {
        controls_.setText(may(k), "");
        controls_.setText(comp(k), "");
    }
    controls_.show(panel::setup);
    controls_.hide(panel::dice);
    controls_.hide(panel::playerOne);
    controls_.hide(panel::playerTwo);
    controls_.hide(panel::computer);
}

} // namespace kvint
