#pragma once

#include "game/controls.h"
#include "game/sounds.h"
#include "game/state.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kvint {

// How playSound waits, by the numbers the sound calls of the rules use.
enum class Wait : unsigned char {
    untilEnd = 0,        // return when the sound has finished
    none = 1,            // return at once
    untilEndQuietly = 2, // as untilEnd; a missing file plays nothing at all
};

enum class Buttons : unsigned char { ok, yesNo };

// How a finished game came out, told once per game when its end is first
// judged: the mode and strength as the state holds them, and both totals.
struct GameResult {
    std::uint8_t gamemode; // 0 against the computer, 1 two people
    std::uint8_t level;    // 0 Мастер, 1 Новичок, 2 Профи
    int left;              // player one's total
    int right;             // the computer's or player two's total
};

// The caption every box shows when the game gives it none.
inline constexpr std::string_view kAppTitle = "kvint";

// An input box takes at most this many characters, as the classic one did, so
// no message or caption is ever built from a longer text.
inline constexpr std::size_t kInputLimit = 255;

// Everything the game needs from the world outside its own state. The window
// implements it with real boxes, sounds and a clock; the script tool with
// queues and a transcript.
class Platform {
  public:
    Platform() = default;
    Platform(const Platform&) = delete;
    Platform& operator=(const Platform&) = delete;
    Platform(Platform&&) = delete;
    Platform& operator=(Platform&&) = delete;
    virtual ~Platform() = default;

    // Modal box; true when Yes was pressed (OK-only boxes answer false).
    virtual bool messageBox(std::string_view text, Buttons buttons, std::string_view caption) = 0;
    // Modal one-line entry; an empty text when cancelled.
    virtual std::string inputBox(std::string_view prompt, std::string_view caption) = 0;
    // A bare file name looked up beside the program. Never fails: a file that
    // cannot be played is passed over.
    virtual void playSound(std::string_view file, Wait wait) = 0;
    virtual void reseed() = 0;
    // Uniform in [0, 1); never 1.
    virtual float random() = 0;
    virtual void clearSurface() = 0;
    virtual void focus(Ctl control) = 0;
    virtual void endProgram() = 0;
    // A game has ended; nothing the game does depends on it.
    virtual void gameEnded(const GameResult& /*result*/) {}
    // The computer has thrown dice in its turn, before it writes or gives
    // up: `roll` counts its throws from 1 at the first roll of the turn, and
    // `dice` lie as the state holds them now. Nothing the game does depends
    // on it; a window may show each throw for a moment.
    virtual void computerRolled(const std::array<Face, kDice>& /*dice*/, int /*roll*/) {}
};

} // namespace kvint
