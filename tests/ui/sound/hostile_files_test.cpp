// The files beside the program, and the settings file, may be anything: the
// game must go on, with no hang and no crash, and the rules window must still
// open and close.
#include "modal_answers.h"
#include "silent_wav.h"
#include "ui/common/qstring_conv.h"
#include "ui/common/settings.h"
#include "ui/sound/sound_file.h"
#include "ui/window/form1.h"
#include "ui/window/menu_bar_note.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include <chrono>
#include <string_view>

using kvint::Ctl;
using kvint::test::write;
using kvint::ui::Form1;

namespace {

// A named pipe with no writer blocks whoever opens it; /dev/zero never ends.
enum class Spoil { missing, empty, truncated, notWav, folder, pipe, endless };

bool spoilFile(const QDir& dir, const QString& name, Spoil how) {
    const QString path = dir.filePath(name);
    switch (how) {
    case Spoil::missing:
        return true;
    case Spoil::empty:
        return write(path, {});
    case Spoil::truncated:
        return write(path, QByteArray("RIFF\x24\x10\x00\x00WAVEfmt ", 16));
    case Spoil::notWav:
        return write(path, QByteArray(5000, '\xAB'));
    case Spoil::folder:
        return dir.mkdir(name);
    case Spoil::pipe:
        return mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    case Spoil::endless:
        return QFile::link("/dev/zero", path);
    }
    return false;
}

// Lays every file the game looks for, spoiled the same way. The rules file
// holds `rules` unless it cannot be a plain file.
bool spoilAssets(const QDir& dir, Spoil how, const QByteArray& rules) {
    for (std::string_view name : kvint::kSoundFiles) {
        if (!spoilFile(dir, kvint::ui::toQString(name), how)) {
            return false;
        }
    }
    switch (how) {
    case Spoil::missing:
    case Spoil::folder:
    case Spoil::pipe:
    case Spoil::endless:
        return spoilFile(dir, "help.rls", how);
    default:
        return write(dir.filePath("help.rls"), rules);
    }
}

// The names the settings file was moved aside as.
QStringList setAside(const QString& path) {
    const QFileInfo info(path);
    return info.dir().entryList({info.fileName() + ".damaged-*"},
                                QDir::AllEntries | QDir::System | QDir::Hidden);
}

// Every file this process writes fails past `bytes`, as on a full disk,
// while it lives.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &before_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{bytes, before_.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &small);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &before_);
        std::signal(SIGXFSZ, oldHandler_);
    }

  private:
    rlimit before_{};
    void (*oldHandler_)(int) = nullptr;
};

void clearSettings(const QString& path) {
    const QDir folder = QFileInfo(path).dir();
    const QStringList names = setAside(path) << QFileInfo(path).fileName();
    for (const QString& name : names) {
        if (!QFile::remove(folder.filePath(name))) {
            QDir(folder.filePath(name)).removeRecursively();
        }
    }
}

} // namespace

class HostileFilesTest : public QObject {
    Q_OBJECT

  private slots:
    // The window remembers its zoom and place; never in the user's settings.
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void soundFilesThatNeverEndReadAsMissing();
    void gameGoesOn_data();
    void gameGoesOn();
    void settingsThatCannotBeReadAreSetAside_data();
    void settingsThatCannotBeReadAreSetAside();
};

void HostileFilesTest::soundFilesThatNeverEndReadAsMissing() {
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    QVERIFY(spoilFile(dir, "pipe.wav", Spoil::pipe));
    QVERIFY(spoilFile(dir, "zero.wav", Spoil::endless));
    QVERIFY(write(dir.filePath("huge.wav"),
                  kvint::test::silentWav(quint32(kvint::ui::kSoundFileLimit))));
    QVERIFY(write(dir.filePath("second.wav"), kvint::test::silentWav(8000)));
    QVERIFY(QFile::link(dir.filePath("second.wav"), dir.filePath("link.wav")));

    for (const char* name : {"pipe.wav", "zero.wav", "huge.wav"}) {
        QElapsedTimer clock;
        clock.start();
        QVERIFY2(!kvint::ui::soundLength(dir.filePath(name)), name);
        QVERIFY2(clock.elapsed() < 1000, name);
    }
    // A link to a real sound is followed.
    QCOMPARE(kvint::ui::soundLength(dir.filePath("link.wav")), std::chrono::milliseconds(1000));
}

void HostileFilesTest::gameGoesOn_data() {
    QTest::addColumn<int>("spoil");
    QTest::addColumn<QByteArray>("rules");
    QTest::addColumn<QString>("rulesStart");
    const QString unreadable = "Не удалось";
    QTest::newRow("missing") << int(Spoil::missing) << QByteArray() << unreadable;
    QTest::newRow("empty") << int(Spoil::empty) << QByteArray() << QString();
    QTest::newRow("truncated") << int(Spoil::truncated) << QByteArray("\xEF\xBB") << "п»";
    QTest::newRow("not a wav, invalid bytes")
        << int(Spoil::notWav) << QByteArray("\xFF\xFE\x00\x01\r\n\x98", 7) << "яю";
    QTest::newRow("folder") << int(Spoil::folder) << QByteArray() << unreadable;
    QTest::newRow("named pipes") << int(Spoil::pipe) << QByteArray() << unreadable;
    QTest::newRow("links to an endless device")
        << int(Spoil::endless) << QByteArray() << unreadable;
    QTest::newRow("tens of megabytes of lines")
        << int(Spoil::empty) << QByteArray("Строка правил номер такая-то.\r\n").repeated(600000)
        << "Строка";
    QTest::newRow("tens of megabytes")
        << int(Spoil::empty) << QByteArray(30 * 1024 * 1024, 'a') << "aaaa";
}

void HostileFilesTest::gameGoesOn() {
    QFETCH(int, spoil);
    QFETCH(QByteArray, rules);
    QFETCH(QString, rulesStart);
    QTemporaryDir assets;
    QVERIFY(spoilAssets(QDir(assets.path()), Spoil(spoil), rules));

    Form1 w(assets.path());
    w.show();
    QCoreApplication::processEvents(); // the window loads every sound once it is up
    kvint::test::ModalAnswers answers;
    answers.type("Игрок");
    QTest::mouseClick(w.widget(Ctl::Command7), Qt::LeftButton);
    QVERIFY(answers.allAnswered());
    QVERIFY(!w.game().controls()[Ctl::Text1].text.empty()); // rolled

    QTest::mouseClick(w.widget(Ctl::Text1), Qt::LeftButton); // holding.wav, waited for
    QVERIFY(w.widget(Ctl::Text1)->isHidden());
    QTest::mouseClick(w.widget(Ctl::Command1), Qt::LeftButton); // dice01.wav, waited for
    QVERIFY(!w.widget(Ctl::Text1)->isHidden());
    QCOMPARE(w.game().state().brosnum, 2);

    QElapsedTimer opening;
    opening.start();
    w.action(Ctl::pravila)->trigger();
    QVERIFY2(opening.elapsed() < 5000, "the rules window froze"); // took 45 s with a 1 MiB line
    QVERIFY(w.rulesWindow() != nullptr && w.rulesWindow()->isVisible());
    const QString shown = w.rulesWindow()->textBox().toPlainText();
    QVERIFY2(shown.startsWith(rulesStart), qPrintable(shown.left(40)));
    QVERIFY(shown.size() < 2 * 1024 * 1024); // a huge file is cut short, not loaded whole
    QTest::mouseClick(&w.rulesWindow()->closeButton(), Qt::LeftButton);
    QVERIFY(!w.rulesWindow()->isVisible());
    QVERIFY(w.isVisible());
    QCOMPARE(answers.unexpected, 0);
}

void HostileFilesTest::settingsThatCannotBeReadAreSetAside_data() {
    QTest::addColumn<int>("spoil");
    QTest::newRow("named pipe") << int(Spoil::pipe);
    QTest::newRow("link to an endless device") << int(Spoil::endless);
    QTest::newRow("folder") << int(Spoil::folder);
    QTest::newRow("oversized") << int(Spoil::notWav);
}

void HostileFilesTest::settingsThatCannotBeReadAreSetAside() {
    QFETCH(int, spoil);
    const QString path = kvint::ui::settingsPath();
    clearSettings(path);
    // Only a missing or plain file may be shown to QSettings itself.
    QCOMPARE(path, QSettings(QSettings::UserScope, QCoreApplication::applicationName(),
                             QCoreApplication::applicationName())
                       .fileName());
    QTemporaryDir assets;
    const int firstZoom = Form1(assets.path()).zoom();
    clearSettings(path);

    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    if (Spoil(spoil) == Spoil::notWav) {
        QVERIFY(write(path, QByteArray("[window]\nzoom=200\n").append(300 * 1024, '#')));
    } else {
        QVERIFY(spoilFile(QFileInfo(path).dir(), QFileInfo(path).fileName(), Spoil(spoil)));
    }
    {
        Form1 w(assets.path());
        w.show();
        QCOMPARE(w.zoom(), firstZoom);
        QVERIFY(w.platform().soundOn());
        QCOMPARE(setAside(path).size(), 1);
        // The player is told where the file went, without a box.
        const auto* note = w.menuBar()->findChild<kvint::ui::MenuBarNote*>();
        QVERIFY(note != nullptr);
        QVERIFY(note->wholeText().contains(setAside(path).first()));
        kvint::test::ModalAnswers answers;
        answers.type("Игрок");
        QTest::mouseClick(w.widget(Ctl::Command7), Qt::LeftButton);
        QVERIFY(!w.game().controls()[Ctl::Text1].text.empty()); // rolled

        // A pipe put there while the game runs does not hold up the quit.
        QVERIFY(spoilFile(QFileInfo(path).dir(), QFileInfo(path).fileName(), Spoil::pipe));
        w.setZoom(125);
        QVERIFY(w.close());
    }
    QCOMPARE(setAside(path).size(), 2);
    QCOMPARE(kvint::ui::readSettings().zoom, 125);

    // Values of the wrong kind are passed over.
    QVERIFY(write(path, "[window]\nzoom=big\ngeometry=plain words\n[sound]\non=maybe\n"));
    QCOMPARE(kvint::ui::readSettings(), kvint::ui::Settings{});

    // A write that cannot land leaves the file as it was.
    kvint::ui::Settings kept;
    kept.zoom = 150;
    kvint::ui::writeSettings(kept);
    {
        const FileSizeLimit full(8);
        kvint::ui::Settings lost;
        lost.zoom = 200;
        kvint::ui::writeSettings(lost);
    }
    QCOMPARE(kvint::ui::readSettings(), kept);
    clearSettings(path);
}

QTEST_MAIN(HostileFilesTest)
#include "hostile_files_test.moc"
