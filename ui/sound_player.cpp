#include "ui/sound_player.h"

#include "ui/qstring_conv.h"
#include "ui/sound_file.h"

#include <QEventLoop>
#include <QMediaDevices>
#include <QTimer>
#include <QUrl>

namespace kvint::ui {
namespace {

// Time for the effect to start after play() on top of the sound's length.
constexpr std::chrono::milliseconds kWaitMargin{300};

} // namespace

SoundPlayer::SoundPlayer(const QDir& folder) : folder_(folder) {}

bool SoundPlayer::haveOutput() {
    if (!haveOutput_) {
        haveOutput_ = !QMediaDevices::audioOutputs().isEmpty();
    }
    return *haveOutput_;
}

SoundPlayer::Sound& SoundPlayer::load(const QString& name) {
    if (const auto found = sounds_.find(name); found != sounds_.end()) {
        return found->second;
    }
    Sound& sound = sounds_[name];
    const QString path = folder_.filePath(name);
    const auto length = soundLength(path);
    if (!length || !haveOutput()) {
        return sound;
    }
    sound.length = *length;
    sound.effect = std::make_unique<QSoundEffect>();
    sound.effect->setSource(QUrl::fromLocalFile(path));
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

void SoundPlayer::play(std::string_view file, Wait wait) {
    Sound& sound = load(toQString(file));
    if (!sound.effect) {
        return;
    }
    stop();
    playing_ = sound.effect.get();
    playing_->play();
    if (wait != Wait::none) {
        waitForEnd(*playing_, sound.length);
    }
}

void SoundPlayer::waitForEnd(QSoundEffect& effect, std::chrono::milliseconds length) {
    if (effect.status() == QSoundEffect::Error) {
        return;
    }
    // The window keeps repainting meanwhile but takes no input, as if the
    // handler were still running.
    QEventLoop loop;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&effect, &QSoundEffect::playingChanged, &loop, [&] {
        if (!effect.isPlaying()) {
            loop.quit();
        }
    });
    QObject::connect(&effect, &QSoundEffect::statusChanged, &loop, [&] {
        if (effect.status() == QSoundEffect::Error) {
            loop.quit();
        }
    });
    guard.start(length + kWaitMargin);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace kvint::ui
