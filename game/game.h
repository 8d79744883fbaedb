#pragma once

#include "computer/computer.h"
#include "game/controls.h"
#include "game/messages.h"
#include "game/platform.h"
#include "game/state.h"

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace kvint {

// The main window's logic: the game state, the model of every control, and
// the handlers and procedures that change them. The window shell shows the
// model and routes the user's events to click, keyPress and closeWindow; the
// procedures keep the names the rules give them. The computer's turn is its
// own class, which this one lends its state, controls and services.
class Game {
  public:
    // Creates the main window as designed (every field 0 or empty) and runs
    // its load handler. `assets` is the folder that holds the files beside the
    // program; every caption, message and the rules come in `lang`.
    Game(Platform& platform, std::filesystem::path assets, Language lang = Language::ru);
    // The computer keeps a reference to its game.
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    State& state() { return st_; }
    [[nodiscard]] const State& state() const { return st_; }
    [[nodiscard]] const Controls& controls() const { return ui_; }
    [[nodiscard]] Language language() const { return lang_; }
    Computer& computer() { return computer_; }
    // True once a handler has ended the program; no event is taken after it.
    [[nodiscard]] bool ended() const { return ended_; }

    // Events, as the window system delivers them. Each does nothing when its
    // control is out of reach (hidden, or in a hidden menu or window).
    void click(Ctl c);                          // flips a check box / selects an option first
    void keyPress(Ctl die, std::uint16_t code); // Text1..Text6
    void closeWindow(Ctl window);               // Form1 or Form2

    // Load, setup and new game.
    void Form_Load();
    void Option1_Click();
    void Option2_Click();
    void Check1_Click();
    void Check2_Click();
    void Check3_Click();
    void Command7_Click(); // "Вход"
    void novaya_Click();   // "Новая"

    // The human's dice.
    void brosok();
    void Text_Click(std::size_t i);
    void Text_KeyPress(std::size_t i, std::uint16_t code);
    void Command1_Click(); // "перебросить"
    void Command4_Click(); // "бросай"

    // Entries and passes.
    void Command2_Click(); // "записать"
    void Command3_Click(); // "отмена"
    void Command5_Click(); // "Записать"
    void Command6_Click(); // "Отмена"

    // Reports.
    void hod_Click();
    void mayschet_Click();
    void schetcomp_Click();
    void ochko_Click();

    // Rules window, About, Exit.
    void pravila_Click();
    void oprg_Click();
    void vihod_Click();
    void Form2_Command1_Click(); // "Закрыть"
    void Form2_Unload();
    void Form1_Unload();

  private:
    friend class Computer;

    // Platform calls as the game makes them.
    void message(std::string_view text, std::string_view caption = kAppTitle);
    std::string input(std::string_view prompt);
    void sound(Sound s, Wait wait = Wait::untilEnd);
    void cls() { platform_.clearSurface(); }
    void setFocus(Ctl c) { platform_.focus(c); }
    // The catalogue's text of id in the game's language, placeholders filled.
    [[nodiscard]] std::string text(Msg id,
                                   std::initializer_list<std::string_view> args = {}) const {
        return format(lang_, id, args);
    }

    // Dice.
    Face drawFace();
    void rerollDie(std::size_t i) { st_.kubik(i) = drawFace(); }
    void markDie(std::size_t i);
    void rerollSound(); // the rolling sound chosen by rerollcount, then the count cleared
    void sortDescending();
    void sortAscending();
    void showDice();

    // End of game: each returns true when it declared the game over.
    bool humanRollJudgement();
    bool rightJudgement();
    bool computerTurnJudgement();
    // Tells the platform how the game came out, the first time only.
    void reportEnd(int left, int right);

    // Score sheet.
    void paintColumnsFree();
    // Both columns are written here alone: the points, their caption
    // and the two backgrounds.
    void writeCategory(bool leftColumn, std::size_t k, u8 points);
    // The shared dialogue of both panels; the category written, if any.
    std::optional<std::size_t> recordEntry(bool leftColumn);
    void handToPlayerTwo();
    void handToPlayerOne();

    Platform& platform_;
    std::filesystem::path assets_;
    Language lang_;
    State st_;
    Controls ui_{lang_};
    bool ended_ = false;
    bool endReported_ = false; // this game's result went to the platform; "Новая" clears it
    Computer computer_{*this};
};

} // namespace kvint
