#pragma once

#include "game/platform.h"
#include "ui/platform/platform_host.h"
#include "ui/sound/sound_player.h"
#include "ui/statistics/statistics_store.h"

#include <QDir>

#include <array>
#include <chrono>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <utility>

namespace kvint::ui {

// The game's services on a real desktop: Qt boxes, sounds through the sound
// module and a clock-seeded generator. Before anything modal or any waiting sound the
// window is brought up to date with the model, so the user sees the game as
// it stands at that moment. Once the game has ended the program every
// service is a no-op, so a handler still on the stack runs out without
// showing anything.
class QtPlatform : public Platform {
  public:
    QtPlatform(PlatformHost& host, const QDir& assets, Language lang = Language::ru);

    bool messageBox(std::string_view text, Buttons buttons, std::string_view caption) override;
    std::string inputBox(std::string_view prompt, std::string_view caption) override;
    void playSound(std::string_view file, Wait wait) override;
    void reseed() override;
    float random() override;
    void clearSurface() override;
    void focus(Ctl control) override;
    void endProgram() override;
    void gameEnded(const GameResult& result) override;
    // A throw the window puts on view is held there for the throw pause,
    // input locked as during a waited sound.
    void computerRolled(const std::array<Face, kDice>& dice, int roll) override;

    // Runs `event` with `text` as the answer of the first input box it would
    // open: that box is skipped, everything else happens as when typed.
    void answerFirstInput(std::string text, const std::function<void()>& event);
    // Told of every sound the game asks for, before it plays.
    void listenToSounds(std::function<void(std::string_view, Wait)> listener) {
        soundListener_ = std::move(listener);
    }

    // Loads every sound ahead of its first use; best once the window is up.
    void preloadSounds();
    // With the sound off every waited sound still takes its time, silently.
    void setSoundOn(bool on) { sounds_.setSoundOn(on); }
    [[nodiscard]] bool soundOn() const { return sounds_.soundOn(); }
    // Tests switch the pacing off (nullopt), so no sound ever holds them up.
    void setPacing(std::optional<Pacing> pacing) { sounds_.setPacing(std::move(pacing)); }
    // How long a throw of the computer stays on view; 0 shows it only.
    void setThrowPause(std::chrono::milliseconds pause) { throwPause_ = pause; }
    StatisticsStore& statistics() { return statistics_; }

  private:
    PlatformHost& host_;
    Language lang_;
    SoundPlayer sounds_;
    StatisticsStore statistics_{StatisticsStore::defaultFile(), lang_};
    std::mt19937 generator_;
    std::optional<std::string> typedAnswer_;
    std::function<void(std::string_view, Wait)> soundListener_;
    std::chrono::milliseconds throwPause_{400};
};

} // namespace kvint::ui
