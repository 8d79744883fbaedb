#pragma once

#include "game/controls.h"
#include "game/platform.h"
#include "game/state.h"

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

namespace kvint {

struct Rule; // a line of a computer check's table, see computer/check.h

// The main window's logic: the game state, the model of every control, and
// the handlers and procedures that change them. The window shell shows the
// model and routes the user's events to click, keyPress and closeWindow; the
// procedures keep the names the rules give them.
class Game {
  public:
    // Creates the main window as designed (every field 0 or empty) and runs
    // its load handler. `assets` is the folder that holds the files beside the
    // program.
    Game(Platform& platform, std::filesystem::path assets);

    State& state() { return st_; }
    [[nodiscard]] const State& state() const { return st_; }
    [[nodiscard]] const Controls& controls() const { return ui_; }
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

    // The computer's turn and its chain of checks.
    void broskom();
    void broskom1();
    void julik();
    void proverkastrit();
    void proverka();
    void proverka2_3();
    void PROVERKA3_2();
    void proverkacare();
    void proverka5();
    void proverka4();
    void proverka3();
    void proverka2();
    void proverka1();
    void proverka21();
    void proverka31();
    void proverka654();

  private:
    // Platform calls as the game makes them.
    void message(std::string_view text, std::string_view caption = kAppTitle);
    std::string input(std::string_view prompt);
    void sound(Sound s, Wait wait = Wait::untilEnd);
    void cls() { platform_.clearSurface(); }
    void setFocus(Ctl c) { platform_.focus(c); }

    // Dice.
    Face drawFace();
    void rerollDie(std::size_t i) { st_.kubik(i) = drawFace(); }
    void markDie(std::size_t i);
    void rerollSound(); // the rolling sound chosen by rerollcount, then the count cleared
    void sortDescending();
    void sortAscending();
    void showDice();
    void showAllDice();

    // End of game: each returns true when it declared the game over.
    bool humanRollJudgement();
    bool rightJudgement();
    bool computerTurnJudgement();

    // Score sheet.
    void paintColumnsFree();
    void writeCategory(bool leftColumn, std::size_t k, u8 points);
    // The shared dialogue of both panels; true when an entry was written.
    bool recordEntry(bool leftColumn);
    void handToPlayerTwo();
    void handToPlayerOne();

    // Steps shared by the computer's checks.
    void entry(std::size_t k, u8 v, Sound s);
    void countFaces(std::initializer_list<Face> faces);
    void keepRerollTwice(std::initializer_list<Face> keep);
    void keepRerollOnce(std::initializer_list<Face> keep); // one pass, one throw per die
    bool giveUp(); // true when the novice ends the turn here
    void clearHighCounts();
    // Face f alone: keep it when at least rerollAt is counted, recount, and
    // write category f when the count reaches enterAt; both only while f is
    // free. True when it wrote.
    bool faceCheck(Face f, u8 rerollAt, u8 enterAt);
    // While "kvint" is free, writes the dice total there when it reaches 29.
    bool kvintFrom29();
    // The checks write the first line of their table that applies; false
    // when none does.
    bool enterFirst(std::initializer_list<Rule> rules);

    // Pieces of the first links of the computer's chain. A stage returns true
    // when the turn is over: an entry was made or the novice gave up.
    void computerRoll();
    bool rollEntry();
    bool proverkaSixes();
    bool proverkaFives();
    bool proverkaFace(Face f);
    bool fivesSixesTriples();
    bool sixesOneFive();
    bool fivesOneSix();
    bool foursSixesTriples();
    bool sixesOneFour();
    bool foursOnly();
    bool pairsFourFiveSix();
    bool fivesSixesPairs();
    bool foursSixesPairs();
    void fourSixesTwoFives();

    Platform& platform_;
    std::filesystem::path assets_;
    State st_;
    Controls ui_;
    bool ended_ = false;
    bool computerRolling_ = false; // a computer roll is under way
    bool newRollWanted_ = false;   // julik asked for a new roll while one was under way
};

} // namespace kvint
