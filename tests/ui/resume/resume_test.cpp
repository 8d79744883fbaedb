#include "file_bytes.h"
#include "fresh_folder.h"
#include "game/snapshot.h"
#include "modal_answers.h"
#include "ui/common/settings.h"
#include "ui/statistics/statistics_store.h"
#include "ui/window/first_paint.h"
#include "ui/window/form1.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>

#include <sys/resource.h>

using kvint::Ctl;
using kvint::Language;
using kvint::test::ModalAnswers;
using kvint::ui::Form1;

using kvint::test::contents;

namespace {

void click(Form1& w, Ctl c) {
    QTest::mouseClick(w.widget(c), Qt::LeftButton);
}

// Writes the last free category of the person's column, which ends the game;
// `answers` is to type its name and acknowledge the end.
void writeTheLastEntry(Form1& w, ModalAnswers& answers) {
    for (std::size_t k = 1; k < kvint::kCategories; ++k) {
        w.game().state().mayscore(k) = 1;
    }
    answers.type("kvint");
    answers.press(QMessageBox::Ok); // the end of the game, told at the computer's turn
    click(w, Ctl::Command2);
}

std::string exported(Form1& w) {
    return kvint::exportGame(w.game());
}

// What the window keeps: its own line, then the game.
std::string kept(Form1& w) {
    std::string line =
        w.playedWithHints() ? "kvint window\t1\thints\t1\n" : "kvint window\t1\thints\t0\n";
    line.append(exported(w));
    return line;
}

} // namespace

class ResumeTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QVERIFY(kvint::test::startAfresh(dir_)); }
    void cleanup() { dir_.reset(); }

    void yesTakesTheGameUpAsItWas();
    void noStartsAfreshAndRemovesTheFile();
    void onlyTheWindowsCloseKeepsTheGame();
    void damagedFileIsSetAsideWithANote();
    void gameOfTheOtherLanguageIsLeftAlone();
    void failedSaveIsTriedAgainAfterTheNextEvent();
    void helpBeforeTheBreakCountsAtTheEnd();

  private:
    [[nodiscard]] QString file() const { return dir_->filePath("data/unfinished-game"); }

    // A window that keeps its game in `path`, once it has settled the offer
    // made after its first paint; `answers` answers the offer's boxes.
    std::unique_ptr<Form1> open(ModalAnswers& answers, Language lang = Language::ru,
                                const QString& path = {}) {
        auto w = std::make_unique<Form1>(dir_->path(), lang);
        w->keepUnfinishedGame(path.isEmpty() ? file() : path);
        auto painted = std::make_shared<bool>(false);
        kvint::ui::onFirstPaint(*w, [painted] { *painted = true; });
        if (!QTest::qWaitFor([&] { return *painted; })) {
            return nullptr;
        }
        QCoreApplication::processEvents(); // the offer, queued by the paint
        if (!answers.allAnswered() || answers.unexpected != 0) {
            return nullptr;
        }
        return w;
    }
    std::unique_ptr<Form1> open(Language lang = Language::ru, const QString& path = {}) {
        ModalAnswers none;
        return open(none, lang, path);
    }

    // Enters a game against the computer.
    static bool enter(Form1& w) {
        ModalAnswers answers;
        answers.type("Ann\tB");
        click(w, Ctl::Command7);
        return answers.allAnswered() && w.game().phase() == kvint::Phase::leftSide;
    }
    // Enters, and marks a die after a re-roll.
    static bool playIntoATurn(Form1& w) {
        if (!enter(w)) {
            return false;
        }
        click(w, Ctl::Text2);
        click(w, Ctl::Command1);
        click(w, Ctl::Text5);
        return w.game().diceInAir();
    }

    std::unique_ptr<QTemporaryDir> dir_;
};

void ResumeTest::yesTakesTheGameUpAsItWas() {
    const auto first = open();
    QVERIFY(first && playIntoATurn(*first));
    QCOMPARE(contents(file()).toStdString(), kept(*first));

    ModalAnswers answers;
    answers.press(QMessageBox::Yes);
    const auto second = open(answers);
    QVERIFY(second);
    QCOMPARE(answers.seen, QStringList{"kvint | Продолжить прерванную игру?"});
    QCOMPARE(exported(*second), exported(*first));
    QVERIFY(second->game().state() == first->game().state());
    QVERIFY(second->game().controls() == first->game().controls());
    // The widgets show it too: the name, the marked die off the table.
    QCOMPARE(qobject_cast<QLabel*>(second->widget(Ctl::Label8))->text(), QString("Ann\tB"));
    QVERIFY(second->widget(Ctl::Text5)->isHidden());
    QVERIFY(!second->widget(Ctl::Command1)->isHidden());
    QVERIFY(second->widget(Ctl::Command7)->isHidden());

    // And it plays on from there: the re-roll throws the marked die.
    click(*second, Ctl::Command1);
    QVERIFY(!second->widget(Ctl::Text5)->isHidden());
    QCOMPARE(contents(file()).toStdString(), kept(*second));
}

void ResumeTest::noStartsAfreshAndRemovesTheFile() {
    const auto first = open();
    QVERIFY(first && playIntoATurn(*first));
    ModalAnswers answers;
    answers.press(QMessageBox::No);
    const auto second = open(answers);
    QVERIFY(second);
    QCOMPARE(second->game().phase(), kvint::Phase::setup);
    QVERIFY(!second->widget(Ctl::Command7)->isHidden());
    QVERIFY(!QFile::exists(file()));
}

void ResumeTest::onlyTheWindowsCloseKeepsTheGame() {
    {
        // "Выход", confirmed.
        const auto w = open();
        QVERIFY(w && playIntoATurn(*w));
        ModalAnswers answers;
        answers.press(QMessageBox::Yes);
        w->action(Ctl::vihod)->trigger();
        QVERIFY(w->game().ended());
        QVERIFY(!QFile::exists(file()));
    }
    {
        // "Новая".
        const auto w = open();
        QVERIFY(w && playIntoATurn(*w));
        w->action(Ctl::novaya)->trigger();
        QVERIFY(!QFile::exists(file()));
    }
    {
        // The last entry of a column ends the game.
        const auto w = open();
        QVERIFY(w && enter(*w));
        ModalAnswers answers;
        writeTheLastEntry(*w, answers);
        QVERIFY(answers.allAnswered());
        QCOMPARE(w->game().phase(), kvint::Phase::over);
        QVERIFY(!QFile::exists(file()));
    }
    // The window system's close keeps what the last event left, even when
    // it comes while a box of the game is open (a logout, say).
    const auto w = open();
    QVERIFY(w && playIntoATurn(*w));
    const QByteArray before = contents(file());
    ModalAnswers answers;
    answers.then([&w](QWidget& box) {
        QVERIFY(w->close());
        dynamic_cast<QMessageBox&>(box).button(QMessageBox::Ok)->click();
    });
    w->action(Ctl::oprg)->trigger();
    QVERIFY(answers.allAnswered());
    QVERIFY(w->game().ended());
    QCOMPARE(contents(file()), before);
}

void ResumeTest::damagedFileIsSetAsideWithANote() {
    QVERIFY(QDir().mkpath(QFileInfo(file()).path()));
    const auto first = open();
    QVERIFY(first && playIntoATurn(*first));
    QByteArray damaged = contents(file());
    damaged.replace("\nbrosnum\t2\n", "\nbrosnum\t9\n");
    QFile out(file());
    QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QVERIFY(out.write(damaged) == damaged.size());
    out.close();

    ModalAnswers answers;
    answers.press(QMessageBox::Ok);
    const auto second = open(answers);
    QVERIFY(second);
    QCOMPARE(answers.seen.size(), 1);
    QVERIFY(answers.seen.front().startsWith("kvint | Прерванную игру не удалось прочитать"));
    QCOMPARE(second->game().phase(), kvint::Phase::setup);
    QVERIFY(!QFile::exists(file()));
    const QStringList aside =
        QDir(QFileInfo(file()).path()).entryList({"unfinished-game.damaged-*"}, QDir::Files);
    QCOMPARE(aside.size(), 1);
    QCOMPARE(contents(QFileInfo(file()).dir().filePath(aside.front())), damaged);
}

void ResumeTest::gameOfTheOtherLanguageIsLeftAlone() {
    const auto english = open(Language::en);
    QVERIFY(english && playIntoATurn(*english));
    const QByteArray onDisk = contents(file());

    const auto russian = open(Language::ru); // no question
    QVERIFY(russian && playIntoATurn(*russian));
    russian->action(Ctl::novaya)->trigger();
    QCOMPARE(contents(file()), onDisk);

    ModalAnswers answers;
    answers.press(QMessageBox::Yes);
    const auto again = open(answers, Language::en);
    QVERIFY(again);
    QCOMPARE(answers.seen, QStringList{"kvint | Continue the unfinished game?"});
    QCOMPARE(kept(*again), onDisk.toStdString());
}

// The write fails as on a full disk: the file may grow no larger than a
// few bytes, and the signal that would end the process is ignored.
void ResumeTest::failedSaveIsTriedAgainAfterTheNextEvent() {
    const auto w = open();
    QVERIFY(w && enter(*w));
    const QByteArray before = contents(file());
    QVERIFY(!before.isEmpty());

    rlimit old{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 64;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    click(*w, Ctl::Text2);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &old), 0);
    std::signal(SIGXFSZ, oldHandler);
    QVERIFY(w->game().diceInAir());
    QCOMPARE(contents(file()), before);

    // An event that changes nothing writes what the failed one could not.
    ModalAnswers answers;
    answers.press(QMessageBox::Ok);
    w->action(Ctl::oprg)->trigger();
    QVERIFY(answers.allAnswered());
    QCOMPARE(contents(file()).toStdString(), kept(*w));
}

// The trainer, switched on and off again before the break, is help given in
// the game: the game taken up after it ends in the hinted figures, and one
// without help in the plain ones.
void ResumeTest::helpBeforeTheBreakCountsAtTheEnd() {
    for (const bool helped : {false, true}) {
        QFile::remove(kvint::ui::StatisticsStore::defaultFile());
        const auto first = open();
        QVERIFY(first && playIntoATurn(*first));
        if (helped) {
            first->trainerItem()->trigger();
            first->trainerItem()->trigger(); // no coach at work for the rest of it
        }
        QCOMPARE(contents(file()).startsWith("kvint window\t1\thints\t1\n"), helped);
        QVERIFY(first->close()); // the run ends here

        std::unique_ptr<Form1> second;
        {
            // Its own scope: a queue left polling would take the boxes of the end.
            ModalAnswers resume;
            resume.press(QMessageBox::Yes);
            second = open(resume);
        }
        QVERIFY(second);
        QCOMPARE(second->playedWithHints(), helped);
        click(*second, Ctl::Command1); // throws the marked die
        ModalAnswers end;
        writeTheLastEntry(*second, end);
        QVERIFY(end.allAnswered());
        QCOMPARE(end.unexpected, 0);
        QCOMPARE(second->game().phase(), kvint::Phase::over);

        const auto figures =
            kvint::ui::StatisticsStore(kvint::ui::StatisticsStore::defaultFile()).figures();
        int plain = 0;
        int hinted = 0;
        for (std::size_t o = 0; o < kvint::ui::kOpponents; ++o) {
            plain += figures[static_cast<kvint::ui::Opponent>(o)].played;
            hinted += figures.helped(static_cast<kvint::ui::Opponent>(o)).played;
        }
        QCOMPARE(hinted, helped ? 1 : 0);
        QCOMPARE(plain, helped ? 0 : 1);
    }
}

QTEST_MAIN(ResumeTest)
#include "resume_test.moc"
