// The rules window, which takes the main window's place while it is open.
#include "game/game.h"
#include "game/rules_text.h"

namespace kvint {
void Game::pravila_Click() {
    controls_.hide(Ctl::Form1);
    controls_.show(Ctl::Form2);
    // Read afresh each time: the file may have been edited in between.
    const std::string_view file = rulesFile(lang_);
    controls_.setText(Ctl::Form2_Text1, rulesText(readRulesFile(assets_ / file), lang_, file));
}

void Game::Form2_Command1_Click() {
    controls_.hide(Ctl::Form2);
    controls_.show(Ctl::Form1);
}

// The rules window is only ever hidden, never destroyed.
void Game::Form2_Unload() {
    Form2_Command1_Click();
}

// The hidden rules window must not keep the program alive.
void Game::Form1_Unload() {
    endProgram();
}

} // namespace kvint
