#pragma once

#include <QString>
#include <QtPlugin>

#include <memory>

namespace kvint::ui {

// One sound, read into the audio device and ready to start at once.
class SoundClip {
  public:
    SoundClip() = default;
    SoundClip(const SoundClip&) = delete;
    SoundClip& operator=(const SoundClip&) = delete;
    virtual ~SoundClip() = default;

    virtual void play() = 0;
    virtual void stop() = 0;
};

// The audio device as the sound player sees it. It lives in a module of its
// own (see SoundModule): the audio libraries take longer to load than the
// whole window takes to appear, so the program loads them once the window
// is on screen, and plays in silence when they cannot be loaded.
class SoundOutput {
  public:
    SoundOutput() = default;
    SoundOutput(const SoundOutput&) = delete;
    SoundOutput& operator=(const SoundOutput&) = delete;
    virtual ~SoundOutput() = default;

    // Whether the system has a device to play on.
    [[nodiscard]] virtual bool haveDevice() = 0;
    // The WAV file at `path`, ready to play.
    [[nodiscard]] virtual std::unique_ptr<SoundClip> clip(const QString& path) = 0;
};

} // namespace kvint::ui

#define KVINT_SOUND_OUTPUT_IID "io.github.kvint.Kvint.SoundOutput/1"
Q_DECLARE_INTERFACE(kvint::ui::SoundOutput, KVINT_SOUND_OUTPUT_IID)
