// The files beside the program may be anything: the game must go on, with
// no hang and no crash, and the rules window must still open and close.
#include "modal_answers.h"
#include "ui/form1.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <string_view>

using kvint::Ctl;
using kvint::ui::Form1;

namespace {

enum class Spoil { missing, empty, truncated, notWav, folder };

bool write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Lays every file the game looks for, spoiled the same way.
bool spoilAssets(const QDir& dir, Spoil how, const QByteArray& rules) {
    for (std::string_view name : kvint::kSoundFiles) {
        const QString path = dir.filePath(QString::fromUtf8(name.data(), qsizetype(name.size())));
        switch (how) {
        case Spoil::missing:
            break;
        case Spoil::empty:
            if (!write(path, {})) {
                return false;
            }
            break;
        case Spoil::truncated:
            if (!write(path, QByteArray("RIFF\x24\x10\x00\x00WAVEfmt ", 16))) {
                return false;
            }
            break;
        case Spoil::notWav:
            if (!write(path, QByteArray(5000, '\xAB'))) {
                return false;
            }
            break;
        case Spoil::folder:
            if (!dir.mkdir(path)) {
                return false;
            }
            break;
        }
    }
    if (how == Spoil::folder) {
        return dir.mkdir("help.rls");
    }
    return how == Spoil::missing || write(dir.filePath("help.rls"), rules);
}

} // namespace

class HostileFilesTest : public QObject {
    Q_OBJECT

  private slots:
    void gameGoesOn_data();
    void gameGoesOn();
};

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

QTEST_MAIN(HostileFilesTest)
#include "hostile_files_test.moc"
