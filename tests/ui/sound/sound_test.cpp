#include "silent_wav.h"
#include "ui/common/qstring_conv.h"
#include "ui/common/settings.h"
#include "ui/sound/sound_file.h"
#include "ui/sound/sound_module.h"
#include "ui/sound/sound_player.h"
#include "ui/sound/sound_wait.h"
#include "ui/window/form1.h"
#include "view_menu.h"

#include <QAction>
#include <QElapsedTimer>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <functional>
#include <string_view>

using kvint::Wait;
using kvint::test::silentWav;
using kvint::test::write;
using kvint::ui::Pacing;
using kvint::ui::SoundPlayer;
using kvint::ui::SteadyTime;
using std::chrono::milliseconds;
using namespace std::chrono_literals;

namespace {

// Milliseconds a call takes.
template <typename F> qint64 timed(F&& f) {
    QElapsedTimer clock;
    clock.start();
    f();
    return clock.elapsed();
}

// A clock that moves only while a wait pauses; a pause lasts what `took`
// makes of the span asked for, as a timer that fires early or late would.
struct FakeTime {
    SteadyTime now{};
    int pauses = 0;
    std::function<milliseconds(milliseconds)> took = [](milliseconds asked) { return asked; };

    Pacing pacing() {
        return {[this] { return now; },
                [this](milliseconds asked) {
                    ++pauses;
                    now += took(asked);
                }};
    }
    [[nodiscard]] qint64 msSince(SteadyTime start) const {
        return std::chrono::duration_cast<milliseconds>(now - start).count();
    }
};

QAction* soundItem(kvint::ui::Form1& w) {
    return kvint::test::viewItem(w, "Звук");
}

} // namespace

class SoundTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void unplayableFilesReturnAtOnce();
    void everyShippedSoundIsFitToPlay();
    void aWaitEndsWithTheLengthPlusAtMostAFrame();
    void aWaitTakesTheFilesLengthHeardOrSilent();
    void withoutTheSoundModuleSoundsKeepTheirTime();
    void theSoundSwitchIsRemembered();
};

void SoundTest::unplayableFilesReturnAtOnce() {
    QTemporaryDir dir;
    QVERIFY(write(dir.filePath("bad.wav"), "RIFF this is not a wave file at all"));
    QVERIFY(write(dir.filePath("empty.wav"), {}));
    QVERIFY(write(dir.filePath("truncated.wav"), silentWav(8000).left(60)));
    QVERIFY(QDir(dir.path()).mkdir("folder.wav"));
    FakeTime time;
    SoundPlayer player{QDir(dir.path()), time.pacing()};
    for (const char* file :
         {"missing.wav", "bad.wav", "empty.wav", "truncated.wav", "folder.wav"}) {
        for (Wait wait : {Wait::untilEnd, Wait::none, Wait::untilEndQuietly}) {
            QVERIFY2(timed([&] { player.play(file, wait); }) < 200, file);
        }
    }
    QCOMPARE(time.msSince({}), 0); // the truncated file is refused, not measured by what it holds
}

void SoundTest::everyShippedSoundIsFitToPlay() {
    const QDir built(QCoreApplication::applicationDirPath());
    for (std::string_view name : kvint::kSoundFiles) {
        const auto length = kvint::ui::soundLength(built.filePath(kvint::ui::toQString(name)));
        QVERIFY2(length && *length > 0ms && *length < 1s, name.data());
    }
}

void SoundTest::aWaitEndsWithTheLengthPlusAtMostAFrame() {
    constexpr qint64 frame = 16;
    FakeTime time;
    const auto waitFrom = [&](SteadyTime start, milliseconds length) {
        kvint::ui::waitOut(time.pacing(), start, length);
        return time.msSince(start);
    };
    QCOMPARE(waitFrom(time.now, 80ms), 80);
    QCOMPARE(waitFrom(time.now, 0ms), 0);

    // A timer that fires early is waited out again; one that fires late by
    // less than a frame adds nothing of its own.
    time.took = [](milliseconds asked) { return asked / 3 + 1ms; };
    const qint64 early = waitFrom(time.now, 80ms);
    QVERIFY2(early >= 80 && early <= 80 + frame, qPrintable(QString::number(early)));
    time.took = [](milliseconds asked) { return asked + 10ms; };
    QCOMPARE(waitFrom(time.now, 80ms), 90);
    time.took = [](milliseconds asked) { return asked; };

    // Time already gone since the sound started counts.
    const int before = time.pauses;
    time.now += 50ms;
    QCOMPARE(waitFrom(time.now - 50ms, 80ms), 80);
    QCOMPARE(time.pauses, before + 1);
    QCOMPARE(waitFrom(time.now - 200ms, 80ms), 200);
    QCOMPARE(time.pauses, before + 1);

    // Whatever the file's header claims, the game is held a few seconds at most.
    QCOMPARE(waitFrom(time.now, std::chrono::hours(1)), kvint::ui::kLongestWait.count());
}

void SoundTest::aWaitTakesTheFilesLengthHeardOrSilent() {
    QTemporaryDir dir;
    QVERIFY(write(dir.filePath("second.wav"), silentWav(8000)));
    FakeTime time;
    SoundPlayer player{QDir(dir.path()), time.pacing()};
    player.preload(); // loads the files of the game only; this one comes on first use

    // With or without an audio device, heard or switched off.
    for (bool on : {true, false}) {
        player.setSoundOn(on);
        for (Wait wait : {Wait::untilEnd, Wait::untilEndQuietly}) {
            const SteadyTime start = time.now;
            player.play("second.wav", wait);
            QCOMPARE(time.msSince(start), 1000);
        }
        const int pauses = time.pauses;
        player.play("second.wav", Wait::none);
        QCOMPARE(time.pauses, pauses);
    }

    // Without pacing nothing is waited for.
    player.setSoundOn(true);
    player.setPacing(std::nullopt);
    QVERIFY(timed([&] { player.play("second.wav", Wait::untilEnd); }) < 200);
    player.stop();
}

void SoundTest::withoutTheSoundModuleSoundsKeepTheirTime() {
    // The module built beside the program loads there.
    kvint::ui::SoundModule built(
        kvint::ui::soundModuleFolders(QCoreApplication::applicationDirPath()));
    QVERIFY(built.output() != nullptr);

    // One that does not load, or none at all, leaves every sound silent and
    // as long as its file.
    QTemporaryDir dir;
    QVERIFY(write(dir.filePath("second.wav"), silentWav(8000)));
    QVERIFY(write(dir.filePath(kvint::ui::soundModuleName()), "no module at all"));
    QVERIFY(kvint::ui::SoundModule({dir.path()}).output() == nullptr);
    for (const QStringList& folders : {QStringList{dir.path()}, QStringList{}}) {
        FakeTime time;
        SoundPlayer player{QDir(dir.path()), time.pacing(), folders};
        player.preload();
        for (Wait wait : {Wait::untilEnd, Wait::untilEndQuietly}) {
            const SteadyTime start = time.now;
            player.play("second.wav", wait);
            QCOMPARE(time.msSince(start), 1000);
        }
        player.play("second.wav", Wait::none);
        QCOMPARE(time.msSince({}), 2000);
    }
}

void SoundTest::theSoundSwitchIsRemembered() {
    kvint::ui::writeSettings({});
    QTemporaryDir assets;
    {
        kvint::ui::Form1 w(assets.path());
        QAction* item = soundItem(w);
        QVERIFY(item != nullptr && item->isCheckable());
        QVERIFY(item->isChecked());
        QVERIFY(w.platform().soundOn());
        item->trigger();
        QVERIFY(!w.platform().soundOn());
    }
    {
        kvint::ui::Form1 w(assets.path());
        QVERIFY(!soundItem(w)->isChecked());
        QVERIFY(!w.platform().soundOn());
        soundItem(w)->trigger();
    }
    kvint::ui::Form1 w(assets.path());
    QVERIFY(soundItem(w)->isChecked());
    QVERIFY(w.platform().soundOn());
}

QTEST_MAIN(SoundTest)
#include "sound_test.moc"
