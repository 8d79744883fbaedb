#pragma once

#include "game/platform.h"
#include "ui/sound_player.h"
#include "ui/statistics_store.h"

#include <QDir>

#include <random>

namespace kvint::ui {

class Form1;

// The game's services on a real desktop: Qt boxes, QSoundEffect sounds and a
// clock-seeded generator. Before anything modal or any waiting sound the
// window is brought up to date with the model, so the user sees the game as
// it stands at that moment.
class QtPlatform : public Platform {
  public:
    QtPlatform(Form1& window, const QDir& assets);

    bool messageBox(std::string_view text, Buttons buttons, std::string_view caption) override;
    std::string inputBox(std::string_view prompt, std::string_view caption) override;
    void playSound(std::string_view file, Wait wait) override;
    void reseed() override;
    float random() override;
    void clearSurface() override;
    void focus(Ctl control) override;
    void endProgram() override;
    void gameEnded(const GameResult& result) override;

    // True once the program has been ended; every service is then a no-op,
    // so a handler still on the stack runs out without showing anything.
    [[nodiscard]] bool ended() const { return ended_; }
    SoundPlayer& sounds() { return sounds_; }
    StatisticsStore& statistics() { return statistics_; }

  private:
    Form1& window_;
    SoundPlayer sounds_;
    StatisticsStore statistics_{StatisticsStore::defaultFile()};
    std::mt19937 generator_;
    bool ended_ = false;
};

} // namespace kvint::ui
