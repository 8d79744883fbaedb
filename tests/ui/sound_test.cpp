#include "silent_wav.h"
#include "ui/sound_player.h"

#include <QElapsedTimer>
#include <QMediaDevices>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using kvint::Wait;
using kvint::test::silentWav;
using kvint::test::write;
using kvint::ui::SoundPlayer;

namespace {

// Milliseconds a call takes.
template <typename F> qint64 timed(F&& f) {
    QElapsedTimer clock;
    clock.start();
    f();
    return clock.elapsed();
}

} // namespace

class SoundTest : public QObject {
    Q_OBJECT

  private slots:
    void unplayableFilesReturnAtOnce();
    void aWaitEndsWithTheSoundOrAtOnceWithoutADevice();
};

void SoundTest::unplayableFilesReturnAtOnce() {
    QTemporaryDir dir;
    QVERIFY(write(dir.filePath("bad.wav"), "RIFF this is not a wave file at all"));
    QVERIFY(write(dir.filePath("empty.wav"), {}));
    QVERIFY(write(dir.filePath("truncated.wav"), silentWav(8000).left(60)));
    QVERIFY(QDir(dir.path()).mkdir("folder.wav"));
    SoundPlayer player{QDir(dir.path())};
    for (const char* file :
         {"missing.wav", "bad.wav", "empty.wav", "truncated.wav", "folder.wav"}) {
        for (Wait wait : {Wait::untilEnd, Wait::none, Wait::untilEndQuietly}) {
            QVERIFY2(timed([&] { player.play(file, wait); }) < 200, file);
        }
    }
}

void SoundTest::aWaitEndsWithTheSoundOrAtOnceWithoutADevice() {
    QTemporaryDir dir;
    QVERIFY(write(dir.filePath("second.wav"), silentWav(8000)));
    SoundPlayer player{QDir(dir.path())};
    player.preload(); // loads the files of the game only; this one comes on first use

    QVERIFY(timed([&] { player.play("second.wav", Wait::none); }) < 200);
    const qint64 waited = timed([&] { player.play("second.wav", Wait::untilEnd); });
    if (QMediaDevices::audioOutputs().isEmpty()) {
        // Nothing can be heard, and the effect would never say it ended.
        QVERIFY(waited < 200);
    } else {
        // Never past the sound's own length and the start-up margin.
        QVERIFY(waited < 2000);
    }
    player.stop();
}

QTEST_MAIN(SoundTest)
#include "sound_test.moc"
