#include "fresh_folder.h"
#include "modal_answers.h"
#include "ui/common/settings.h"
#include "ui/window/form1.h"
#include "ui/window/hint_marks.h"
#include "ui/window/menu_bar_note.h"

#include <QMenuBar>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <semaphore>

using kvint::Ctl;
using kvint::coach::Advice;
using kvint::coach::Decision;
using kvint::coach::Position;
using kvint::ui::CoachSession;
using kvint::ui::Form1;
using kvint::ui::Review;

namespace {

void click(Form1& w, Ctl c) {
    QTest::mouseClick(w.widget(c), Qt::LeftButton);
}

QString noteText(Form1& w) {
    const auto* note = w.menuBar()->findChild<kvint::ui::MenuBarNote*>();
    return note == nullptr ? QString() : note->wholeText();
}

// The dice the window shows framed for the hint, 1-based.
QList<int> framedDice(Form1& w) {
    QList<int> framed;
    for (std::size_t i = 1; i <= kvint::kDice; ++i) {
        if (kvint::ui::markedForHint(*w.widget(kvint::textBox(i)))) {
            framed << static_cast<int>(i);
        }
    }
    return framed;
}

Decision reroll(std::array<bool, kvint::kDice> dice) {
    return {Decision::Kind::reroll, dice, 0};
}

constexpr int kCoachBuilt = 60000; // ms: the first answer waits for the coach's tables

} // namespace

class CoachTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QVERIFY(kvint::test::startAfresh(assets_)); }
    void cleanup() { assets_.reset(); }

    void hintShowsForThePositionOnViewOnlyAndClears();
    void trainerSpeaksOfCostlyChoicesOnly();

  private:
    static void enter(Form1& w) {
        kvint::test::ModalAnswers answers;
        answers.type("Вася");
        click(w, Ctl::Command7);
        QVERIFY(answers.allAnswered());
    }

    std::unique_ptr<QTemporaryDir> assets_;
};

void CoachTest::hintShowsForThePositionOnViewOnlyAndClears() {
    Form1 w(assets_->path());
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QSignalSpy hints(&w.coachSession(), &CoachSession::hintReady);
    QVERIFY(!w.hintItem()->isEnabled());
    w.hintItem()->trigger(); // at setup: not asked
    QVERIFY(!w.playedWithHints());
    enter(w);
    w.activateWindow(); // after the name box, so F7 reaches the window
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QVERIFY(w.hintItem()->isEnabled());
    const kvint::State state = w.game().state();
    const kvint::Controls controls = w.game().controls();

    // The real coach: its answer is legal and is what the window shows.
    QTest::keyClick(&w, Qt::Key_F7);
    QTRY_COMPARE_WITH_TIMEOUT(hints.count(), 1, kCoachBuilt);
    const auto asked = qvariant_cast<Position>(hints.at(0).at(0));
    const auto advice = qvariant_cast<Advice>(hints.at(0).at(1));
    QVERIFY(asked == w.decisionPosition());
    QVERIFY(kvint::coach::allowed(asked, advice.decision));
    QVERIFY(noteText(w).startsWith("Подсказка, шанс выиграть "));
    QVERIFY(w.playedWithHints());
    const bool rerolls = advice.decision.kind == Decision::Kind::reroll;
    for (std::size_t i = 0; i < kvint::kDice; ++i) {
        QCOMPARE(framedDice(w).contains(static_cast<int>(i + 1)),
                 rerolls && advice.decision.reroll.at(i));
    }

    // A re-roll marks exactly its dice, tells a screen reader, presses nothing.
    w.coachSession().useAnswers({[](const Position&) {
                                     return Advice{reroll({false, true, false, false, true}), 0.43};
                                 },
                                 [](const Position&, const Decision&) { return 0.5; }});
    QTest::keyClick(&w, Qt::Key_F7);
    QTRY_COMPARE(hints.count(), 2);
    QCOMPARE(noteText(w), "Подсказка, шанс выиграть 43 %: перебросить кубики 2, 5");
    QCOMPARE(framedDice(w), (QList<int>{2, 5}));
    QVERIFY(w.widget(Ctl::Text2)->accessibleDescription().contains("Подсказка"));
    QVERIFY(!w.widget(Ctl::Text1)->accessibleDescription().contains("Подсказка"));
    QVERIFY(w.game().state() == state);
    QVERIFY(w.game().controls() == controls);

    // The next event clears it; with a die in the air there is nothing to ask.
    click(w, Ctl::Text3);
    QVERIFY(framedDice(w).isEmpty());
    QCOMPARE(noteText(w), QString());
    QVERIFY(!w.hintItem()->isEnabled());
    w.hintItem()->trigger();
    click(w, Ctl::Command1);
    QVERIFY(w.hintItem()->isEnabled());

    // An answer that comes after the player moved on is dropped.
    std::binary_semaphore held(0);
    w.coachSession().useAnswers({[&held](const Position&) {
                                     held.acquire();
                                     return Advice{reroll({true}), 0.5};
                                 },
                                 [](const Position&, const Decision&) { return 0.5; }});
    QTest::keyClick(&w, Qt::Key_F7);
    click(w, Ctl::Text4);
    held.release();
    QTRY_COMPARE(hints.count(), 3); // neither the setup nor the die in the air asked
    QVERIFY(framedDice(w).isEmpty());
    QCOMPARE(noteText(w), QString());

    // After the entry the computer has played: no human decision is on view.
    kvint::test::ModalAnswers answers;
    answers.type("1");
    click(w, Ctl::Command2);
    QVERIFY(answers.allAnswered());
    QVERIFY(!w.hintItem()->isEnabled());
}

void CoachTest::trainerSpeaksOfCostlyChoicesOnly() {
    Form1 w(assets_->path());
    enter(w);
    QVERIFY(!w.playedWithHints());
    w.trainerItem()->trigger();
    QVERIFY(kvint::ui::readSettings().trainer);
    QVERIFY(w.playedWithHints());
    // The coach would re-roll die 1 for 48 %; a pass costs one point, anything else seven.
    w.coachSession().useAnswers({[](const Position&) {
                                     return Advice{reroll({true}), 0.48};
                                 },
                                 [](const Position&, const Decision& d) {
                                     return d.kind == Decision::Kind::pass ? 0.47 : 0.41;
                                 }});
    QSignalSpy reviews(&w.coachSession(), &CoachSession::reviewReady);
    const auto before = w.decisionPosition();
    QVERIFY(before);

    click(w, Ctl::Text3); // marking decides nothing
    click(w, Ctl::Command1);
    QTRY_COMPARE(reviews.count(), 1);
    const auto rerolled = qvariant_cast<Review>(reviews.at(0).at(0));
    QVERIFY(rerolled.position == *before);
    QVERIFY(rerolled.taken == reroll({false, false, true}));
    const QString remark = "Тренер, шанс 48 % вместо 41 %: лучше было перебросить кубики 1";
    QCOMPARE(noteText(w), remark);
    click(w, Ctl::Text2); // the remark stays until the next decision
    QCOMPARE(noteText(w), remark);

    click(w, Ctl::Command3);
    QTRY_COMPARE(reviews.count(), 2);
    QVERIFY(qvariant_cast<Review>(reviews.at(1).at(0)).taken == Decision{});
    QCOMPARE(noteText(w), QString());
}

QTEST_MAIN(CoachTest)
#include "coach_test.moc"
