#pragma once

#include "game/controls.h"
#include "game/state.h"

#include <QRect>

#include <array>

class QString;
class QWidget;

namespace kvint::ui {

// What a window offers the platform that serves its game.
class PlatformHost {
  public:
    PlatformHost(const PlatformHost&) = delete;
    PlatformHost& operator=(const PlatformHost&) = delete;

    // True once the game has ended the program: from then on nothing is
    // shown or played.
    [[nodiscard]] virtual bool ended() const = 0;
    // Brings what is on view up to date with the game.
    virtual void sync() = 0;
    // The window a modal box belongs to: the one on view.
    [[nodiscard]] virtual QWidget* dialogParent() = 0;
    // Focus goes to the control at the next sync, once it is on view.
    virtual void requestFocus(Ctl control) = 0;
    virtual void repaintSurface() = 0;
    // Takes every window off view and ends the run.
    virtual void shutDown() = 0;
    // A line on view beside the game that asks for no answer; empty takes
    // it away.
    virtual void showNote(const QString& text) = 0;
    // Where on the screen an input box must not stand, so that what the
    // answer is about stays in sight; empty where any place will do.
    [[nodiscard]] virtual QRect keptInSight() const { return {}; }
    // Whether the player had help in the game that is ending: a hint asked
    // or the trainer on. Such a game is counted apart.
    [[nodiscard]] virtual bool playedWithHints() const { return false; }
    // The computer has thrown dice in its turn (Platform::computerRolled).
    // True when the window has put the throw on view and wants it held there
    // for a moment.
    virtual bool computerThrew(const std::array<Face, kDice>& /*dice*/, int /*roll*/) {
        return false;
    }

  protected:
    PlatformHost() = default;
    ~PlatformHost() = default;
};

} // namespace kvint::ui
