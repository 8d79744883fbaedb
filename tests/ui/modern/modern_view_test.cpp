// The modern view: the switch that keeps the game, writing from the table,
// the status line, the computer's throws held on view and the coach's hint.
#include "fresh_folder.h"
#include "modal_answers.h"
#include "ui/common/qstring_conv.h"
#include "ui/common/settings.h"
#include "ui/modern/dice_view.h"
#include "ui/modern/die_button.h"
#include "ui/modern/score_table.h"
#include "ui/window/form1.h"
#include "view_menu.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <memory>
#include <vector>

using kvint::Ctl;
using kvint::ui::Form1;

namespace {

void press(Form1& w, Ctl c) {
    QAbstractButton* b = w.modernView().button(c);
    QVERIFY(b != nullptr && b->isVisible());
    QTest::mouseClick(b, Qt::LeftButton);
}

void enter(Form1& w, const QStringList& names) {
    kvint::test::ModalAnswers answers;
    for (const QString& name : names) {
        answers.type(name);
    }
    press(w, Ctl::Command7);
    QVERIFY(answers.allAnswered());
}

void setDice(Form1& w, const kvint::Dice& dice) {
    w.game().state().kubik = dice;
    for (std::size_t i = 1; i <= kvint::kDice; ++i) {
        w.game().board().showDie(i);
    }
    w.sync();
}

QString status(Form1& w) {
    return w.modernView().statusLine().text();
}

// The table has a row per category and a column per side after the names.
void clickRow(Form1& w, std::size_t k, bool left) {
    QTableWidget& table = w.modernView().table().table();
    const QTableWidgetItem* cell = table.item(static_cast<int>(k) - 1, left ? 1 : 2);
    QVERIFY(cell != nullptr);
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, table.visualItemRect(cell).center());
}

std::array<int, kvint::kDice> facesOnView(Form1& w) {
    std::array<int, kvint::kDice> faces{};
    const kvint::ui::DiceModel& model = w.modernView().dice().model();
    for (std::size_t i = 0; i < kvint::kDice; ++i) {
        faces.at(i) = model.dice.at(i).face;
    }
    return faces;
}

std::array<int, kvint::kDice> facesOf(const kvint::Dice& dice) {
    std::array<int, kvint::kDice> faces{};
    std::copy(dice.begin(), dice.end(), faces.begin());
    return faces;
}

// Everything an entry leaves to see, the dice of the next roll aside.
struct Aftermath {
    kvint::State state;
    kvint::Controls controls;
    QStringList boxes;
    QStringList sounds;
};

} // namespace

class ModernViewTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() {
        kvint::ui::Settings modern = kvint::test::at100();
        modern.modern = true;
        QVERIFY(kvint::test::startAfresh(assets_, modern));
    }
    void cleanup() { assets_.reset(); }

    void switchingTheViewKeepsTheGame();
    void aTableClickWritesAsTheTypedEntry();
    void statusLineTellsTheComputersEntryAndPass();
    void computerThrowsReachTheViewInOrder();
    void aThrowOnViewTakesNoInput();
    void hintMarksTheDiceAndTheRow();
    void everyElementHasANameAndARole();
    void anInputBoxLeavesTheTableInSight();

  private:
    Aftermath entryBy(bool fromTable);

    std::unique_ptr<QTemporaryDir> assets_;
};

void ModernViewTest::switchingTheViewKeepsTheGame() {
    kvint::ui::writeSettings(kvint::ui::Settings{100, {}, true, false, false, true});
    Form1 w(assets_->path());
    QVERIFY(!w.modernOn()); // classic by default
    QCOMPARE(w.centralWidget()->size(), QSize(312, 229));
    {
        kvint::test::ModalAnswers answers;
        answers.type("Вася");
        QTest::mouseClick(w.widget(Ctl::Command7), Qt::LeftButton);
        QVERIFY(answers.allAnswered());
    }
    QTest::mouseClick(w.widget(Ctl::Text3), Qt::LeftButton);
    const kvint::State state = w.game().state();
    const kvint::Controls controls = w.game().controls();

    QAction* modern = kvint::test::viewItem(w, "Современный вид");
    QVERIFY(modern != nullptr);
    modern->trigger();
    QVERIFY(w.modernOn() && w.modernView().isVisible());
    QVERIFY(!w.widget(Ctl::Text1)->isVisible());
    QVERIFY(w.game().state() == state);
    QVERIFY(w.game().controls() == controls);
    QVERIFY(kvint::ui::readSettings().modern);
    const kvint::ui::DiceModel& dice = w.modernView().dice().model();
    QCOMPARE(dice.dice.at(2).place, kvint::ui::DieLook::Place::marked);
    QCOMPARE(dice.dice.at(0).face, int{state.kubik(1)});
    QCOMPARE(dice.roll, 1);

    // Played on in the modern view by clicks alone.
    press(w, Ctl::Command1);
    QCOMPARE(int{w.game().state().brosnum}, 2);
    const kvint::State rolled = w.game().state();
    kvint::test::viewItem(w, "Классический вид")->trigger();
    QVERIFY(!w.modernOn() && w.widget(Ctl::Text1)->isVisible());
    QVERIFY(w.game().state() == rolled);
    QCOMPARE(w.centralWidget()->size(), QSize(312, 229));
    QVERIFY(!kvint::ui::readSettings().modern);

    modern->trigger();
    Form1 again(assets_->path()); // the view remembered
    QVERIFY(again.modernOn());
}

// Player one writes "strit", then player two "kvint": typed into the entry
// buttons' box in one window, clicked in the table in the other.
Aftermath ModernViewTest::entryBy(bool fromTable) {
    Form1 w(assets_->path());
    press(w, Ctl::Option2);
    enter(w, {"Аня", "Боря"});
    Aftermath after;
    w.platform().listenToSounds([&after](std::string_view file, kvint::Wait wait) {
        after.sounds << kvint::ui::toQString(file) + ' ' + QString::number(static_cast<int>(wait));
    });
    kvint::test::ModalAnswers answers;
    const auto write = [&](std::size_t k, Ctl button, const QString& typed) {
        if (fromTable) {
            clickRow(w, k, w.game().writingColumn() == true);
        } else {
            answers.type(typed);
            press(w, button);
        }
    };
    setDice(w, kvint::Dice{{2, 6, 1, 4, 3, 5}});
    write(kvint::cat::strit, Ctl::Command2, "strit");
    setDice(w, kvint::Dice{{1, 2, 3, 4, 5, 5}});
    write(kvint::cat::kvint, Ctl::Command5, "kvint");
    after.state = w.game().state();
    after.controls = w.game().controls();
    after.boxes = answers.seen;
    after.state.kubik = {};
    for (std::size_t i = 1; i <= kvint::kDice; ++i) {
        after.controls[kvint::textBox(i)].text.clear();
    }
    return after;
}

void ModernViewTest::aTableClickWritesAsTheTypedEntry() {
    const Aftermath typed = entryBy(false);
    const Aftermath clicked = entryBy(true);
    QCOMPARE(int{clicked.state.mayscore(kvint::cat::strit)}, 21);
    QCOMPARE(int{clicked.state.compscore(kvint::cat::kvint)}, 20);
    QVERIFY(clicked.state == typed.state);
    QVERIFY(clicked.controls == typed.controls);
    QCOMPARE(clicked.sounds, typed.sounds);
    QVERIFY(clicked.boxes.isEmpty());
    QCOMPARE(typed.boxes.size(), 2); // the entry's input box, asked twice
}

// The novice often gives up and often writes: turns are passed until the
// line has told of both.
void ModernViewTest::statusLineTellsTheComputersEntryAndPass() {
    static constexpr std::array<const char*, kvint::kCategories> names = {
        "1", "2", "3", "4", "5", "6", "2/3", "3/2", "strit", "care", "kvint"};
    Form1 w(assets_->path());
    w.platform().setPacing(std::nullopt);
    QCOMPARE(status(w), QString("Выберите игру и нажмите «Вход»."));
    press(w, Ctl::Check1);
    enter(w, {"Вася"});
    QCOMPARE(status(w), QString("Вася: бросок 1 из 3. Отметьте кубики для переброса или "
                                "запишите комбинацию."));
    const QString next = " Вася: ваш ход. Нажмите «бросай».";
    bool wrote = false;
    bool passed = false;
    for (int turn = 0; turn < 400 && !(wrote && passed); ++turn) {
        w.game().state().compscore = {};
        w.sync();
        press(w, Ctl::Command3);
        const kvint::Column& right = w.game().state().compscore;
        const auto k = std::ranges::find_if(right, [](kvint::u8 v) { return v != 0; });
        if (k == right.end()) {
            QCOMPARE(status(w), "Компьютер пропустил ход, ничего не записав." + next);
            passed = true;
        } else {
            const auto at = static_cast<std::size_t>(k - right.begin());
            QCOMPARE(status(w),
                     QString("Компьютер записал %1: %2.").arg(names.at(at)).arg(int{*k}) + next);
            wrote = true;
        }
        press(w, Ctl::Command4);
    }
    QVERIFY(wrote && passed);
}

void ModernViewTest::computerThrowsReachTheViewInOrder() {
    Form1 w(assets_->path());
    struct Held {
        std::array<int, kvint::kDice> onView;
        std::array<int, kvint::kDice> inState;
        QString status;
        std::chrono::milliseconds pause;
    };
    std::vector<Held> held;
    kvint::ui::SteadyTime now{};
    w.platform().setPacing(kvint::ui::Pacing{
        [&now] { return now; },
        [&](std::chrono::milliseconds span) {
            now += span;
            held.push_back({facesOnView(w), facesOf(w.game().state().kubik), status(w), span});
        }});
    enter(w, {"Вася"});
    press(w, Ctl::Command3);
    QVERIFY(!held.empty());
    for (std::size_t n = 0; n < held.size(); ++n) {
        QCOMPARE(held[n].onView, held[n].inState);
        QCOMPARE(held[n].status, QString("Компьютер бросает кубики: бросок %1.").arg(n + 1));
        QCOMPARE(held[n].pause, std::chrono::milliseconds(400));
    }
    QCOMPARE(facesOnView(w), facesOf(w.game().state().kubik));

    // A pause of 0 shows the throws without holding them; switched off, the
    // view shows none of them.
    w.platform().setThrowPause(std::chrono::milliseconds(0));
    held.clear();
    press(w, Ctl::Command4);
    press(w, Ctl::Command3);
    QVERIFY(held.empty());
    QAction* rolls = kvint::test::viewItem(w, "Показывать броски компьютера");
    QVERIFY(rolls != nullptr && rolls->isChecked());
    rolls->trigger();
    QVERIFY(!kvint::ui::readSettings().computerRolls);
    w.platform().setThrowPause(std::chrono::milliseconds(400));
    press(w, Ctl::Command4);
    press(w, Ctl::Command3);
    QVERIFY(held.empty());
}

// The hold is a pause of the sound wait's own pacing, and the turn has taken
// the dice from the person: what reaches the view in it leaves the game as
// it is, without a sound.
void ModernViewTest::aThrowOnViewTakesNoInput() {
    Form1 w(assets_->path());
    QStringList sounds;
    w.platform().listenToSounds(
        [&sounds](std::string_view file, kvint::Wait) { sounds << kvint::ui::toQString(file); });
    const auto clickEverything = [&w, &sounds] {
        const kvint::State state = w.game().state();
        const kvint::Controls controls = w.game().controls();
        sounds.clear();
        for (auto* die : w.modernView().dice().findChildren<kvint::ui::DieButton*>()) {
            QTest::mouseClick(die, Qt::LeftButton);
        }
        QTest::mouseClick(w.modernView().button(Ctl::Command1), Qt::LeftButton);
        clickRow(w, kvint::cat::kvint, true);
        clickRow(w, kvint::cat::kvint, false);
        QVERIFY(w.game().state() == state);
        QVERIFY(w.game().controls() == controls);
        QVERIFY(sounds.isEmpty());
    };
    int holds = 0;
    kvint::ui::SteadyTime now{};
    w.platform().setPacing(kvint::ui::Pacing{[&now] { return now; },
                                             [&](std::chrono::milliseconds span) {
                                                 now += span;
                                                 ++holds;
                                                 clickEverything();
                                             }});
    enter(w, {"Вася"});
    press(w, Ctl::Command3);
    QVERIFY(holds > 0);
}

void ModernViewTest::hintMarksTheDiceAndTheRow() {
    using kvint::coach::Advice;
    using kvint::coach::Decision;
    using kvint::coach::Position;
    Form1 w(assets_->path());
    enter(w, {"Вася"});
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QSignalSpy hints(&w.coachSession(), &kvint::ui::CoachSession::hintReady);
    std::vector<Advice> advice = {
        Advice{Decision{Decision::Kind::reroll, {false, true, false, false, true}, 0}, 0.43},
        Advice{Decision{Decision::Kind::write, {}, kvint::cat::kvint}, 0.61},
    };
    w.coachSession().useAnswers({[&advice](const Position&) { return advice.front(); },
                                 [](const Position&, const Decision&) { return 0.5; }});
    QTest::keyClick(&w, Qt::Key_F7);
    QTRY_COMPARE(hints.count(), 1);
    const kvint::ui::DiceModel& dice = w.modernView().dice().model();
    for (std::size_t i = 0; i < kvint::kDice; ++i) {
        QCOMPARE(dice.dice.at(i).hinted, i == 1 || i == 4);
    }
    QCOMPARE(status(w), QString("Подсказка, шанс выиграть 43 %: перебросить кубики 2, 5"));
    QVERIFY(!w.modernView().table().model().hintedRow);

    advice.erase(advice.begin());
    QTest::keyClick(&w, Qt::Key_F7);
    QTRY_COMPARE(hints.count(), 2);
    QCOMPARE(w.modernView().table().model().hintedRow, kvint::cat::kvint);
    QCOMPARE(status(w), QString("Подсказка, шанс выиграть 61 %: записать kvint"));

    // The next event, a die marked, takes the hint away.
    emit w.modernView().dice().dieClicked(3);
    QCOMPARE(w.game().dieView(3), kvint::DieView::inAir);
    QVERIFY(!w.modernView().table().model().hintedRow);
    QVERIFY(!status(w).startsWith("Подсказка"));
}

void ModernViewTest::everyElementHasANameAndARole() {
    Form1 w(assets_->path());
    enter(w, {"Вася"});
    const auto spoken = [](QObject* o) { return QAccessible::queryAccessibleInterface(o); };
    QAccessibleInterface* line = spoken(&w.modernView().statusLine());
    QCOMPARE(line->text(QAccessible::Name), QString("Строка состояния"));
    QCOMPARE(line->text(QAccessible::Description), status(w));
    QCOMPARE(line->role(), QAccessible::StaticText);
    QAccessibleInterface* reroll = spoken(w.modernView().button(Ctl::Command1));
    QCOMPARE(reroll->text(QAccessible::Name), QString("перебросить"));
    QCOMPARE(reroll->role(), QAccessible::Button);

    const kvint::State& st = w.game().state();
    const QList<kvint::ui::DieButton*> dice =
        w.modernView().dice().findChildren<kvint::ui::DieButton*>();
    QCOMPARE(dice.size(), 6);
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(spoken(dice.at(i))->role(), QAccessible::Button);
        QCOMPARE(spoken(dice.at(i))->text(QAccessible::Name),
                 QString("Кубик %1: %2").arg(i + 1).arg(st.kubik(static_cast<std::size_t>(i) + 1)));
    }
    QAccessibleTableInterface* table = spoken(&w.modernView().table().table())->tableInterface();
    QVERIFY(table != nullptr);
    QAccessibleInterface* strit = table->cellAt(kvint::cat::strit - 1, 2);
    QCOMPARE(strit->role(), QAccessible::Cell);
    const QString right = w.modernView().table().model().sides.at(1).name;
    QCOMPARE(strit->text(QAccessible::Name), right + ", strit: свободно");
    QAccessibleInterface* total = table->cellAt(kvint::kCategories, 1);
    QCOMPARE(total->text(QAccessible::Name), QString("Вася, итого: 0"));
}

// The name asked at the start and the category asked by "записать" are both
// answered with the score table in sight.
void ModernViewTest::anInputBoxLeavesTheTableInSight() {
    Form1 w(assets_->path());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const kvint::ui::ScoreTable& table = w.modernView().table();
    QList<QRect> overlaps;
    const auto asked = [&](const QString& text) {
        return [&, text](QWidget& box) {
            const QRect sight(table.mapToGlobal(QPoint(0, 0)), table.size());
            overlaps << box.frameGeometry().intersected(sight);
            auto& dialog = dynamic_cast<QInputDialog&>(box);
            dialog.setTextValue(text);
            dialog.accept();
        };
    };
    kvint::test::ModalAnswers answers;
    answers.then(asked("Вася"));
    answers.then(asked("kvint"));
    press(w, Ctl::Command7);
    setDice(w, {5, 5, 5, 5, 5, 5});
    press(w, Ctl::Command2);
    QCOMPARE(overlaps.size(), 2);
    for (const QRect& overlap : overlaps) {
        QVERIFY2(overlap.isEmpty(), qPrintable(QStringLiteral("%1x%2 of the table covered")
                                                   .arg(overlap.width())
                                                   .arg(overlap.height())));
    }
}

QTEST_MAIN(ModernViewTest)
#include "modern_view_test.moc"
