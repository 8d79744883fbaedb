#pragma once

#include "game/board.h"
#include "game/controls.h"
#include "game/messages.h"
#include "game/opponent.h"
#include "game/outlook.h"
#include "game/platform.h"
#include "game/state.h"

#include <cstdint>
#include <filesystem>
#include <optional>

namespace kvint {

struct Snapshot;

// The main window's logic: the game state, the model of every control, and
// the handlers and procedures that change them. The window shell shows the
// model and routes the user's events to click, keyPress and closeWindow; the
// procedures keep the names the rules give them. The side against the person
// is an Opponent that works on the same board.
class Game {
  public:
    // Creates the main window as designed (every field 0 or empty) and runs
    // its load handler. `assets` is the folder that holds the files beside the
    // program; every caption, message and the rules come in `lang`.
    Game(Platform& platform, std::filesystem::path assets, Language lang = Language::ru);
    // The board refers to the game's own state and controls.
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    State& state() { return st_; }
    [[nodiscard]] const State& state() const { return st_; }
    [[nodiscard]] const Controls& controls() const { return controls_; }
    [[nodiscard]] Language language() const { return lang_; }
    // What the opponent plays on.
    Board& board() { return board_; }
    // The side that plays against the person; it must outlive every event
    // that hands it the dice.
    void setOpponent(Opponent& opponent) { opponent_ = &opponent; }
    // True once a handler has ended the program; no event is taken after it.
    [[nodiscard]] bool ended() const { return ended_; }
    // This game's result went to the platform.
    [[nodiscard]] bool endReported() const { return board_.endReported(); }
    // The totals the end is judged by, as the columns stand now.
    [[nodiscard]] Standing standing() const { return board_.standing(); }
    // Takes up a game as it stood when the snapshot was made: its state,
    // every control and whether its end was told. A game made in another
    // language would show captions in it, and an ended program takes no
    // game: both are refused, false, and change nothing.
    bool restore(const Snapshot& snapshot);

    // Answers for whoever shows the game.
    [[nodiscard]] Phase phase() const;
    // The column whose entry button is on view: true for player one's
    // ("записать"), false for player two's ("Записать"), nothing while
    // neither side can write.
    [[nodiscard]] std::optional<bool> writingColumn() const;
    // Some die is marked for a re-roll and its box hidden.
    [[nodiscard]] bool diceInAir() const;
    [[nodiscard]] DieView dieView(std::size_t i) const;
    // What an entry into the cell would do now; nothing for a cell of the
    // side that is not writing.
    [[nodiscard]] std::optional<Outlook> outlook(Cell cell) const;

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

    // Rules window.
    void pravila_Click();
    void Form2_Command1_Click(); // "Закрыть"
    void Form2_Unload();
    void Form1_Unload();

    // About and Exit.
    void oprg_Click();
    void vihod_Click();

  private:
    void markDie(std::size_t i);
    void rerollSound(); // the rolling sound chosen by rerollcount, then the count cleared
    void paintColumnsFree();
    // The shared dialogue of both panels; the category written, if any.
    std::optional<std::size_t> recordEntry(bool leftColumn);
    void handToPlayerTwo();
    void handToPlayerOne();
    void endProgram();

    std::filesystem::path assets_;
    Language lang_;
    State st_;
    Controls controls_{lang_};
    Board board_;
    Opponent* opponent_ = nullptr;
    bool ended_ = false;
};

} // namespace kvint
