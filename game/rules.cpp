// The menu "Помощь", the exit question, and the rules window that takes the
// main window's place while it is open.
#include "game/game.h"
#include "game/rules_text.h"

namespace kvint {
void Game::pravila_Click() {
    ui_.hide(Ctl::Form1);
    ui_.show(Ctl::Form2);
    // Read afresh each time: the file may have been edited in between.
    const std::string_view file = rulesFile(lang_);
    ui_.setText(Ctl::Form2_Text1, rulesText(readRulesFile(assets_ / file), lang_, file));
}

void Game::Form2_Command1_Click() {
    ui_.hide(Ctl::Form2);
    ui_.show(Ctl::Form1);
}

// The rules window is only ever hidden, never destroyed.
void Game::Form2_Unload() {
    Form2_Command1_Click();
}

// The hidden rules window must not keep the program alive.
void Game::Form1_Unload() {
    ended_ = true;
    platform_.endProgram();
}

void Game::oprg_Click() {
    message(text(Msg::aboutText), text(Msg::aboutCaption));
}

void Game::vihod_Click() {
    if (!platform_.messageBox(text(Msg::exitQuestion), Buttons::yesNo, text(Msg::warningCaption))) {
        return;
    }
    ended_ = true;
    platform_.endProgram();
}

} // namespace kvint
