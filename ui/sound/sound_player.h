#pragma once

#include "game/platform.h"
#include "ui/sound/sound_module.h"
#include "ui/sound/sound_output.h"
#include "ui/sound/sound_wait.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>

namespace kvint::ui {

// Plays the game's WAV files from one folder. Each file is read once; a file
// that is missing or is not a WAV fit to play (see soundLength) is passed
// over in silence, and not waited for.
// A waited sound holds the game for the file's own length, heard or not:
// with the sound switched off or no audio device the wait is silent, so the
// computer's turn unfolds at the same pace. Qt reports the end of a sound
// seconds late, so the wait goes by the clock alone. The audio module is
// loaded with the first sound, or by preload(); without it every sound is
// silent and still waited for.
class SoundPlayer {
  public:
    // Without pacing a waited sound returns at once, as a test wants.
    explicit SoundPlayer(
        const QDir& folder, std::optional<Pacing> pacing = realPacing(),
        QStringList moduleFolders = soundModuleFolders(QCoreApplication::applicationDirPath()));

    // Loads every sound ahead of its first use; call once the window is up.
    void preload();
    void play(std::string_view file, Wait wait);
    void stop();

    void setSoundOn(bool on);
    [[nodiscard]] bool soundOn() const { return soundOn_; }
    void setPacing(std::optional<Pacing> pacing) { pacing_ = std::move(pacing); }
    // What a wait takes its time from; none while waits are off.
    [[nodiscard]] const std::optional<Pacing>& pacing() const { return pacing_; }

  private:
    struct LoadedSound {
        std::optional<std::chrono::milliseconds> length; // none when the file cannot be played
        std::unique_ptr<SoundClip> clip;                 // none without an audio device
    };

    SoundOutput* output();
    LoadedSound& load(const QString& name);

    QDir folder_;
    std::optional<Pacing> pacing_;
    bool soundOn_ = true;
    // Declared before the sounds: their clips come from the module.
    SoundModule module_;
    std::optional<SoundOutput*> output_; // null without module or device
    std::map<QString, LoadedSound> sounds_;
    SoundClip* playing_ = nullptr;
};

} // namespace kvint::ui
