// The audio module: the game's sounds through QSoundEffect. Only this module
// links Qt Multimedia; the program loads it once its window is on screen.
#include "ui/sound/sound_output.h"

#include <QObject>
// QSoundEffect in Qt 6.4 needs QAudioDevice complete but does not include it.
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include <memory>

namespace kvint::ui {
namespace {

class EffectClip : public SoundClip {
  public:
    explicit EffectClip(const QString& path) { effect_.setSource(QUrl::fromLocalFile(path)); }

    void play() override { effect_.play(); }
    void stop() override { effect_.stop(); }

  private:
    QSoundEffect effect_;
};

} // namespace

class EffectOutput : public QObject, public SoundOutput {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID KVINT_SOUND_OUTPUT_IID)
    Q_INTERFACES(kvint::ui::SoundOutput)

  public:
    bool haveDevice() override { return !QMediaDevices::audioOutputs().isEmpty(); }
    std::unique_ptr<SoundClip> clip(const QString& path) override {
        return std::make_unique<EffectClip>(path);
    }
};

} // namespace kvint::ui

#include "effect_output.moc"
