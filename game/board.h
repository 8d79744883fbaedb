#pragma once

#include "game/controls.h"
#include "game/messages.h"
#include "game/platform.h"
#include "game/state.h"

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace kvint {

// Both columns' totals as the end of the game weighs them.
struct Standing {
    int left;
    int right;
    // The side the totals put ahead, true for the left column; nothing for
    // a draw.
    [[nodiscard]] std::optional<bool> leftAhead() const;
};

// What both sides of the table work with: the game's state and controls, and
// the steps the rules name over them (the platform's boxes and sounds, the
// dice, an entry on the score sheet, the end of the game). The game's
// handlers and the computer's turn take every such step here, so each is
// written once.
class Board {
  public:
    Board(Platform& platform, Language lang, State& st, Controls& controls)
        : platform_(platform), lang_(lang), st_(st), controls_(controls) {}

    State& state() { return st_; }
    [[nodiscard]] const State& state() const { return st_; }
    Controls& controls() { return controls_; }
    [[nodiscard]] const Controls& controls() const { return controls_; }

    // Platform calls as the game makes them.
    void message(std::string_view text, std::string_view caption = kAppTitle);
    bool ask(std::string_view question, std::string_view caption);
    std::string input(std::string_view prompt);
    void sound(Sound s, Wait wait = Wait::untilEnd);
    void cls() { platform_.clearSurface(); }
    void setFocus(Ctl c) { platform_.focus(c); }
    void reseed() { platform_.reseed(); }
    void endProgram() { platform_.endProgram(); }
    // The catalogue's text of id in the game's language, placeholders filled.
    [[nodiscard]] std::string text(Msg id,
                                   std::initializer_list<std::string_view> args = {}) const {
        return format(lang_, id, args);
    }

    // Dice.
    void rerollDie(std::size_t i) { st_.kubik(i) = drawFace(); }
    void sortDescending();
    void sortAscending();
    void showDice();
    void showDie(std::size_t i);
    // The computer's throw number `roll` of its turn has landed.
    void computerRolled(int roll) { platform_.computerRolled(st_.kubik.values, roll); }

    // Both columns are written here alone: the points, their caption and the
    // two backgrounds.
    void writeCategory(bool leftColumn, std::size_t k, u8 points);

    // End of game: each returns true when it declared the game over.
    bool humanRollJudgement();    // before a human roll: the left column, then the right
    bool rightJudgement();        // before "бросай" hands the dice back
    bool computerTurnJudgement(); // before the computer rolls
    // The totals every judgement compares, free categories counting 0.
    [[nodiscard]] Standing standing() const;
    // A new game may report its own end.
    void forgetEnd() { endReported_ = false; }
    [[nodiscard]] bool endReported() const { return endReported_; }
    // A game taken up again has told its end already, or not.
    void resumeReported(bool reported) { endReported_ = reported; }

  private:
    struct Verdict;
    struct Judgement;

    Face drawFace();
    // The steps every judgement shares; true when `full` was complete.
    bool judge(const Judgement& j);
    // Tells the platform how the game came out, the first time only.
    void reportEnd(int left, int right);

    Platform& platform_;
    Language lang_;
    State& st_;
    Controls& controls_;
    bool endReported_ = false; // this game's result went to the platform
};

} // namespace kvint
