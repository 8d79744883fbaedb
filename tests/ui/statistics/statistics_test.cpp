#include "file_bytes.h"
#include "modal_answers.h"
#include "ui/statistics/statistics_dialog.h"
#include "ui/statistics/statistics_store.h"
#include "ui/window/form1.h"
#include "view_menu.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QMenuBar>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using kvint::GameResult;
using kvint::ui::Opponent;
using kvint::ui::StatisticsDialog;
using kvint::ui::StatisticsStore;
using kvint::ui::Tally;

using kvint::test::contents;
using kvint::test::write;

namespace {

const QDate kMonday(2026, 12, 7);
const QDate kTuesday(2026, 12, 8);

QPushButton* clearButton(StatisticsDialog& dialog) {
    for (auto* b : dialog.findChildren<QPushButton*>()) {
        if (b->text() == "Очистить") {
            return b;
        }
    }
    return nullptr;
}

QStringList setAside(const QDir& dir) {
    return dir.entryList({"statistics.json.damaged-*"}, QDir::AllEntries | QDir::NoDotAndDotDot);
}

} // namespace

class StatisticsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        file_ = dir_->filePath("data/statistics.json"); // the folder does not exist yet
    }

    void figuresAddUpAndSurviveARestart() {
        {
            StatisticsStore store(file_);
            QVERIFY(store.record({0, 1, 150, 138}, kMonday));  // Новичок, won by 12
            QVERIFY(store.record({0, 1, 120, 160}, kTuesday)); // lost by 40
            QVERIFY(store.record({0, 2, 99, 99}, kMonday));    // Профи, drawn
            QVERIFY(store.record({1, 2, 80, 100}, kMonday));   // two people, whatever the level
        }
        StatisticsStore again(file_);
        const auto& figures = again.figures();
        QCOMPARE(figures[Opponent::novice], (Tally{2, 1, 1, 0, 12, -28, kTuesday}));
        QCOMPARE(figures[Opponent::novice].averageMargin(), -14.0);
        QCOMPARE(figures[Opponent::master], Tally{});
        QCOMPARE(figures[Opponent::pro], (Tally{1, 0, 0, 1, 0, 0, kMonday}));
        QCOMPARE(figures[Opponent::twoPlayers], (Tally{1, 0, 1, 0, -20, -20, kMonday}));
        QVERIFY(again.takeNotice().isEmpty());
        QVERIFY(again.clear());
        QCOMPARE(StatisticsStore(file_).figures(), kvint::ui::Statistics{});
    }

    void unreadableFilesAreSetAsideOnce_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("not JSON") << QByteArray("{\"version\": 1, \"rows\": {");
        QTest::newRow("cut short") << QByteArray("\x00\x00\x00", 3);
        QTest::newRow("a later version") << QByteArray("{\"version\": 3, \"rows\": {}}");
        QTest::newRow("counts that disagree")
            << QByteArray(R"({"version":1,"rows":{"novice":{"played":2,"won":1,"lost":0,)"
                          R"("drawn":0,"best":1,"marginSum":1,"last":"2026-12-07"}}})");
    }
    void unreadableFilesAreSetAsideOnce() {
        QFETCH(QByteArray, bytes);
        QVERIFY(QDir().mkpath(QFileInfo(file_).path()));
        QVERIFY(write(file_, bytes));
        StatisticsStore store(file_);
        QCOMPARE(store.figures(), kvint::ui::Statistics{});
        const QStringList aside = setAside(QFileInfo(file_).dir());
        QCOMPARE(aside.size(), 1);
        QCOMPARE(contents(QFileInfo(file_).dir().filePath(aside.first())), bytes);
        QVERIFY(store.takeNotice().contains(aside.first()));
        QVERIFY(store.takeNotice().isEmpty());
        QVERIFY(store.record({0, 0, 10, 5}, kMonday));
        QCOMPARE(StatisticsStore(file_).figures()[Opponent::master].played, 1);
    }

    void aFolderInThePlaceOfTheFileIsSetAsideToo() {
        QVERIFY(QDir().mkpath(file_));
        StatisticsStore store(file_);
        QVERIFY(store.record({0, 0, 10, 5}, kMonday));
        QCOMPARE(setAside(QFileInfo(file_).dir()).size(), 1);
        QVERIFY(!store.takeNotice().isEmpty());
    }

    // The old file is replaced by a new one, never rewritten in place: a link
    // to it still sees the old figures, and no temporary file is left over.
    void writingReplacesTheFileWhole() {
        StatisticsStore store(file_);
        QVERIFY(store.record({0, 0, 10, 5}, kMonday));
        const QByteArray before = contents(file_);
        const QString link = dir_->filePath("old.json");
        QCOMPARE(::link(QFile::encodeName(file_).constData(), QFile::encodeName(link).constData()),
                 0);
        QVERIFY(store.record({0, 0, 10, 50}, kMonday));
        QCOMPARE(contents(link), before);
        QVERIFY(contents(file_) != before);
        QCOMPARE(QFileInfo(file_).dir().entryList(QDir::Files), QStringList{"statistics.json"});

        // Nowhere to write: the figures stay in memory and the game goes on.
        QVERIFY(write(dir_->filePath("blocked"), "a file, not a folder"));
        StatisticsStore blocked(dir_->filePath("blocked/statistics.json"));
        QVERIFY(!blocked.record({0, 0, 10, 5}, kMonday));
        QCOMPARE(blocked.figures()[Opponent::master].played, 1);
    }

    void theDialogShowsTheNoticeOnceAndClearsOnlyWhenAsked() {
        QVERIFY(QDir().mkpath(QFileInfo(file_).path()));
        QVERIFY(write(file_, "damaged"));
        StatisticsStore store(file_);
        StatisticsDialog first(store, nullptr);
        QVERIFY(!first.notice().isHidden());
        QVERIFY(first.notice().text().contains("damaged-"));
        QVERIFY(store.record({0, 2, 30, 20}, kMonday));

        StatisticsDialog second(store, nullptr);
        QVERIFY(second.notice().isHidden());
        QCOMPARE(second.table().item(2, 0)->text(), "1");
        QCOMPARE(second.table().item(2, 4)->text(), "10");
        second.show();
        QPushButton* clear = clearButton(second);
        QVERIFY(clear != nullptr);
        kvint::test::ModalAnswers answers;
        answers.press(QMessageBox::No);
        answers.press(QMessageBox::Yes);
        clear->click();
        QCOMPARE(StatisticsStore(file_).figures()[Opponent::pro].played, 1);
        clear->click();
        QVERIFY(answers.allAnswered());
        QCOMPARE(answers.unexpected, 0);
        QCOMPARE(second.table().item(2, 0)->text(), "0");
        QCOMPARE(StatisticsStore(file_).figures(), kvint::ui::Statistics{});
    }

    // Figures that cannot be written are told in the next dialog, once, and
    // a clear that cannot be written in the dialog that tried it.
    void aFailedWriteIsToldOnceInTheDialog() {
        QVERIFY(write(dir_->filePath("blocked"), "a file, not a folder"));
        const QString file = dir_->filePath("blocked/statistics.json");
        StatisticsStore store(file);
        QVERIFY(!store.record({0, 0, 10, 5}, kMonday));
        QVERIFY(!store.record({0, 0, 10, 6}, kMonday));
        StatisticsDialog first(store, nullptr);
        QVERIFY(!first.notice().isHidden());
        QCOMPARE(first.notice().text().count(file), 1);
        QVERIFY(first.notice().text().startsWith("Не удалось записать статистику"));
        StatisticsDialog second(store, nullptr);
        QVERIFY(second.notice().isHidden());
        QCOMPARE(second.table().item(1, 0)->text(), "2"); // kept in memory

        second.show();
        kvint::test::ModalAnswers answers;
        answers.press(QMessageBox::Yes);
        clearButton(second)->click();
        QVERIFY(answers.allAnswered());
        QVERIFY(!second.notice().isHidden());
        QVERIFY(second.notice().text().contains(file));

        StatisticsStore english(file, kvint::Language::en);
        QVERIFY(!english.clear());
        StatisticsDialog third(english, nullptr, kvint::Language::en);
        QVERIFY(third.notice().text().startsWith("The statistics could not be written to " + file));
    }

    // A game with the coach's help goes to the hinted twin of its row, from
    // the window's word through the platform to the file and the dialog; a
    // file of version 1 reads with every game unhinted.
    void hintedGamesAreCountedApart() {
        QVERIFY(QDir().mkpath(QFileInfo(file_).path()));
        QVERIFY(write(file_,
                      R"({"version":1,"rows":{"novice":{"played":1,"won":1,"lost":0,"drawn":0,)"
                      R"("best":12,"marginSum":12,"last":"2026-12-07"},)"
                      R"("master":{"played":0,"won":0,"lost":0,"drawn":0,"best":0,"marginSum":0,)"
                      R"("last":""},"pro":{"played":0,"won":0,"lost":0,"drawn":0,"best":0,)"
                      R"("marginSum":0,"last":""},"twoPlayers":{"played":0,"won":0,"lost":0,)"
                      R"("drawn":0,"best":0,"marginSum":0,"last":""}}})"));
        const Tally oneWin{1, 1, 0, 0, 12, 12, kMonday};
        {
            StatisticsStore store(file_);
            QCOMPARE(store.figures()[Opponent::novice], oneWin);
            QCOMPARE(store.figures().helped(Opponent::novice), Tally{});
            QVERIFY(store.takeNotice().isEmpty());
            QVERIFY(store.record({0, 1, 120, 160}, kMonday, true));
        }
        StatisticsStore again(file_);
        QCOMPARE(again.figures()[Opponent::novice], oneWin);
        QCOMPARE(again.figures().helped(Opponent::novice), (Tally{1, 0, 1, 0, -40, -40, kMonday}));
        StatisticsDialog dialog(again, nullptr);
        QCOMPARE(dialog.table().rowCount(), 8);
        QCOMPARE(dialog.table().verticalHeaderItem(4)->text(), "Новичок, с подсказками");
        QCOMPARE(dialog.table().item(0, 1)->text(), "1");
        QCOMPARE(dialog.table().item(4, 2)->text(), "1");
        QVERIFY(again.clear());
        QCOMPARE(StatisticsStore(file_).figures(), kvint::ui::Statistics{});

        struct HelpedHost : kvint::ui::PlatformHost {
            [[nodiscard]] bool ended() const override { return false; }
            void sync() override {}
            QWidget* dialogParent() override { return nullptr; }
            void requestFocus(kvint::Ctl /*control*/) override {}
            void repaintSurface() override {}
            void shutDown() override {}
            void showNote(const QString& /*text*/) override {}
            [[nodiscard]] bool playedWithHints() const override { return true; }
        } host;
        QFile::remove(StatisticsStore::defaultFile());
        kvint::ui::QtPlatform(host, QDir(dir_->path())).gameEnded({0, 2, 30, 20});
        const auto figures = StatisticsStore(StatisticsStore::defaultFile()).figures();
        QCOMPARE(figures.helped(Opponent::pro).played, 1);
        QCOMPARE(figures[Opponent::pro].played, 0);
    }

    void theViewMenuStandsBeforeHelpFromTheStart() {
        kvint::ui::Form1 window(dir_->path());
        QStringList titles;
        QStringList onView;
        for (QAction* a : window.menuBar()->actions()) {
            titles << a->text();
            if (a->isVisible()) {
                onView << a->text();
            }
        }
        QCOMPARE(titles, (QStringList{"Игра", "Счет", "Вид", "Помощь"}));
        QCOMPARE(onView, (QStringList{"Вид", "Помощь"}));
        QAction* statistics = kvint::test::viewItem(window, "Статистика…");
        QVERIFY(statistics != nullptr);
        kvint::test::ModalAnswers answers;
        answers.then([](QWidget& w) {
            QVERIFY(qobject_cast<StatisticsDialog*>(&w) != nullptr);
            w.close();
        });
        statistics->trigger();
        QVERIFY(answers.allAnswered());
        QCOMPARE(answers.unexpected, 0);
    }

    // At every zoom the dialog opens with the whole table on view, and Enter
    // closes it: it never presses "Очистить".
    void theDialogShowsEveryColumnAndEnterLeavesTheFigures() {
        QFile::remove(StatisticsStore::defaultFile());
        QVERIFY(StatisticsStore(StatisticsStore::defaultFile()).record({0, 2, 30, 20}, kMonday));
        kvint::ui::Form1 window(dir_->path());
        for (int percent : kvint::ui::kZoomSteps) {
            window.setZoom(percent);
            kvint::test::ModalAnswers answers;
            answers.then([](QWidget& w) {
                auto& dialog = dynamic_cast<StatisticsDialog&>(w);
                const QTableWidget& table = dialog.table();
                QVERIFY(table.viewport()->width() >= table.horizontalHeader()->length());
                QVERIFY(table.viewport()->height() >= table.verticalHeader()->length());
                QCOMPARE(table.horizontalHeader()->font(), w.font());
                const QSize screen = w.screen()->availableGeometry().size();
                QVERIFY(w.frameGeometry().width() <= screen.width());
                QVERIFY(w.frameGeometry().height() <= screen.height());
                QWidget* focused = w.focusWidget();
                QTest::keyClick(focused != nullptr ? focused : &w, Qt::Key_Return);
                QVERIFY(!w.isVisible());
            });
            kvint::test::viewItem(window, "Статистика…")->trigger();
            QVERIFY(answers.allAnswered());
            QCOMPARE(answers.unexpected, 0); // no question to clear
        }
        QCOMPARE(StatisticsStore(StatisticsStore::defaultFile()).figures()[Opponent::pro].played,
                 1);
    }

  private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString file_;
};

QTEST_MAIN(StatisticsTest)
#include "statistics_test.moc"
