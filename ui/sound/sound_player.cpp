#include "ui/sound/sound_player.h"

#include "ui/common/qstring_conv.h"
#include "ui/sound/sound_file.h"

#include <utility>

namespace kvint::ui {

SoundPlayer::SoundPlayer(const QDir& folder, std::optional<Pacing> pacing,
                         QStringList moduleFolders)
    : folder_(folder), pacing_(std::move(pacing)), module_(std::move(moduleFolders)) {}

SoundOutput* SoundPlayer::output() {
    if (!output_) {
        SoundOutput* found = module_.output();
        output_ = found != nullptr && found->haveDevice() ? found : nullptr;
    }
    return *output_;
}

SoundPlayer::LoadedSound& SoundPlayer::load(const QString& name) {
    if (const auto found = sounds_.find(name); found != sounds_.end()) {
        return found->second;
    }
    LoadedSound& sound = sounds_[name];
    const QString path = folder_.filePath(name);
    sound.length = soundLength(path);
    if (!sound.length || output() == nullptr) {
        return sound;
    }
    sound.clip = output()->clip(path);
    return sound;
}

void SoundPlayer::preload() {
    for (std::string_view file : kSoundFiles) {
        load(toQString(file));
    }
}

void SoundPlayer::stop() {
    if (playing_ != nullptr) {
        playing_->stop();
        playing_ = nullptr;
    }
}

void SoundPlayer::setSoundOn(bool on) {
    soundOn_ = on;
    if (!on) {
        stop();
    }
}

void SoundPlayer::play(std::string_view file, Wait wait) {
    LoadedSound& sound = load(toQString(file));
    if (!sound.length) {
        return;
    }
    const bool waits = wait != Wait::none && pacing_;
    const SteadyTime start = waits ? pacing_->now() : SteadyTime{};
    if (soundOn_ && sound.clip) {
        stop();
        playing_ = sound.clip.get();
        playing_->play();
    }
    if (waits) {
        waitOut(*pacing_, start, *sound.length);
    }
}

} // namespace kvint::ui
