#pragma once

#include "game/platform.h"

#include <QDir>
// QSoundEffect in Qt 6.4 needs QAudioDevice complete but does not include it.
#include <QAudioDevice>
#include <QSoundEffect>

#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <string_view>

namespace kvint::ui {

// Plays the game's WAV files from one folder. Each file is read once; a file
// that is missing or is not a WAV we can measure is passed over in silence.
// A wait never outlasts the sound's own length plus a small margin, because
// without an audio device the effect never reports that it has finished.
class SoundPlayer {
  public:
    explicit SoundPlayer(const QDir& folder);

    // Loads every sound ahead of its first use; call once the window is up.
    void preload();
    void play(std::string_view file, Wait wait);
    void stop();

  private:
    struct Sound {
        std::unique_ptr<QSoundEffect> effect; // null when the file cannot be played
        std::chrono::milliseconds length{};
    };

    bool haveOutput();
    Sound& load(const QString& name);
    void waitForEnd(QSoundEffect& effect, std::chrono::milliseconds length);

    QDir folder_;
    std::optional<bool> haveOutput_;
    std::map<QString, Sound> sounds_;
    QSoundEffect* playing_ = nullptr;
};

} // namespace kvint::ui
