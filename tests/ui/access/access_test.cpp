// What the window tells beyond its captions: names for screen readers,
// previews of the score sheet, and writing a category by a double click.
#include "modal_answers.h"
#include "ui/common/qstring_conv.h"
#include "ui/window/form1.h"

#include <QAccessible>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using kvint::Ctl;
using kvint::ui::Form1;

namespace {

QAccessibleInterface& accessible(Form1& w, Ctl c) {
    return *QAccessible::queryAccessibleInterface(w.widget(c));
}

QString spokenName(Form1& w, Ctl c) {
    return accessible(w, c).text(QAccessible::Name);
}

QString tip(Form1& w, Ctl c) {
    return w.widget(c)->toolTip();
}

void click(Form1& w, Ctl c) {
    QTest::mouseClick(w.widget(c), Qt::LeftButton);
}

void setDice(Form1& w, const kvint::Dice& dice) {
    w.game().state().kubik = dice;
    w.sync();
}

// Presses "Вход" and answers the name boxes.
void enter(Form1& w, const QStringList& names) {
    kvint::test::ModalAnswers answers;
    for (const QString& name : names) {
        answers.type(name);
    }
    click(w, Ctl::Command7);
    QVERIFY(answers.allAnswered());
}

// Everything an entry leaves to see, apart from the dice of a fresh roll.
struct Aftermath {
    kvint::State state;
    kvint::Controls controls;
    QStringList boxes;
    QStringList sounds;

    void forgetRoll() {
        state.kubik = {};
        for (std::size_t i = 1; i <= kvint::kDice; ++i) {
            controls[kvint::textBox(i)].text.clear();
        }
    }
};

} // namespace

class AccessTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        assets_ = std::make_unique<QTemporaryDir>();
        QVERIFY(assets_->isValid());
    }
    void cleanup() { assets_.reset(); }

    void screenReadersHearWhatIsOnView();
    void categoriesPreviewTheEntry();
    void doubleClickWritesAsTheTypedEntry();

  private:
    // Makes one entry in a fresh window of two players, by typing the
    // selector or by double-clicking the cell. A warning box is answered.
    Aftermath entryBy(bool doubleClick, Ctl cell, const QString& selector);

    std::unique_ptr<QTemporaryDir> assets_;
};

void AccessTest::screenReadersHearWhatIsOnView() {
    Form1 w(assets_->path());
    // The choices: radio buttons of two sets, whatever they look like.
    QAccessibleInterface& mode = accessible(w, Ctl::Option2);
    QCOMPARE(mode.role(), QAccessible::RadioButton);
    QCOMPARE(mode.text(QAccessible::Name), QString("Человек+ человек")); // not wrapped
    QCOMPARE(mode.text(QAccessible::Description), QString("Режим игры, 2 из 2"));
    QVERIFY(mode.state().checkable && !mode.state().checked);
    QVERIFY(accessible(w, Ctl::Option1).state().checked);
    QAccessibleInterface& pro = accessible(w, Ctl::Check3);
    QCOMPARE(pro.role(), QAccessible::RadioButton);
    QCOMPARE(pro.text(QAccessible::Description), QString("Сила компьютера, 3 из 3"));
    QVERIFY(accessible(w, Ctl::Check2).state().checked);
    pro.actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(w.game().state().level, kvint::strength::pro);
    QVERIFY(pro.state().checked);
    QVERIFY(!accessible(w, Ctl::Check2).state().checked);
    QCOMPARE(spokenName(w, Ctl::Text3), QString("Кубик 3")); // not rolled yet

    enter(w, {"Вася"});
    const kvint::State& st = w.game().state();
    QCOMPARE(spokenName(w, Ctl::Text3), QString("Кубик 3: %1").arg(st.kubik(3)));
    QCOMPARE(accessible(w, Ctl::Text3).text(QAccessible::Value), QString::number(st.kubik(3)));
    QCOMPARE(spokenName(w, Ctl::Label18), QString("Вася, strit: свободно"));
    QCOMPARE(spokenName(w, Ctl::comp10), QString("Компьютер, care: свободно"));
    QCOMPARE(spokenName(w, Ctl::Label10), QString("Вася, 1: свободно"));

    click(w, Ctl::Text3);
    // The box is off view; its caption still tells of it.
    QCOMPARE(spokenName(w, Ctl::Label3), QString("Кубик 3: отмечен для переброса"));
    QCOMPARE(spokenName(w, Ctl::Label2), QString("Кубик 2: %1").arg(st.kubik(2)));

    kvint::test::ModalAnswers answers;
    answers.type("kvint");
    click(w, Ctl::Command2);
    QVERIFY(answers.allAnswered());
    QCOMPARE(spokenName(w, Ctl::may11), QString("Вася, kvint: %1").arg(st.mayscore(11)));
    QCOMPARE(spokenName(w, Ctl::Label20), spokenName(w, Ctl::may11));
}

void AccessTest::categoriesPreviewTheEntry() {
    Form1 w(assets_->path());
    click(w, Ctl::Option2);
    enter(w, {"Аня", "Боря"});
    QCOMPARE(spokenName(w, Ctl::comp9), QString("Боря, strit: свободно"));
    setDice(w, kvint::Dice{{2, 6, 1, 4, 3, 5}});
    QCOMPARE(tip(w, Ctl::Label18), QString("strit: запишется 21. Двойной щелчок — записать"));
    QCOMPARE(tip(w, Ctl::may9), tip(w, Ctl::Label18));
    QCOMPARE(tip(w, Ctl::Label10), QString("1: запишется 1. Двойной щелчок — записать"));
    QCOMPARE(tip(w, Ctl::Label19), QString("care: этой комбинации на кубиках нет"));
    QVERIFY(tip(w, Ctl::comp9).isEmpty()); // not this side's turn
    QCOMPARE(accessible(w, Ctl::may9).text(QAccessible::Description), tip(w, Ctl::may9));

    kvint::test::ModalAnswers answers;
    answers.type("kvint");
    click(w, Ctl::Command2);
    QVERIFY(answers.allAnswered());
    setDice(w, kvint::Dice{{6, 6, 6, 6, 5, 5}});
    QVERIFY(tip(w, Ctl::Label20).isEmpty());
    QCOMPARE(tip(w, Ctl::comp10), QString("care: запишется 24. Двойной щелчок — записать"));
    QCOMPARE(tip(w, Ctl::comp1), QString("1: запишется 0. Двойной щелчок — записать"));

    click(w, Ctl::Command6); // player two passes
    QCOMPARE(tip(w, Ctl::Label20), QString("kvint: уже записано"));
    click(w, Ctl::Text4);
    // The marked die's new face is drawn but not on view: no preview tells it.
    QCOMPARE(tip(w, Ctl::Label11), QString("2: отмеченные кубики ещё не брошены"));
}

Aftermath AccessTest::entryBy(bool doubleClick, Ctl cell, const QString& selector) {
    Form1 w(assets_->path());
    click(w, Ctl::Option2);
    enter(w, {"Аня", "Боря"});
    Aftermath after;
    w.platform().listenToSounds([&after](std::string_view file, kvint::Wait wait) {
        after.sounds << kvint::ui::toQString(file) + ' ' + QString::number(static_cast<int>(wait));
    });
    kvint::test::ModalAnswers answers;
    const auto write = [&](Ctl target, Ctl button, const QString& typed) {
        if (!doubleClick) {
            answers.type(typed);
        }
        if (typed == "32") {
            answers.press(QMessageBox::Ok); // two triples are no three pairs
        }
        if (doubleClick) {
            QTest::mouseDClick(w.widget(target), Qt::LeftButton);
        } else {
            click(w, button);
        }
    };
    // Two dice marked, face up as below: the entry first lands their roll.
    w.game().state().rerollcount = 2;
    setDice(w, kvint::Dice{{2, 5, 2, 5, 2, 5}});
    QTest::mouseDClick(w.widget(Ctl::comp2), Qt::LeftButton); // not this side's turn
    write(cell, Ctl::Command2, selector);
    // Whoever writes now takes other dice and writes "kvint".
    setDice(w, kvint::Dice{{1, 2, 3, 4, 5, 5}});
    const bool playerTwo = w.game().state().turnowner == 2;
    write(playerTwo ? Ctl::comp11 : Ctl::Label20, playerTwo ? Ctl::Command5 : Ctl::Command2,
          "kvint");
    QTest::mouseDClick(w.widget(Ctl::Label16), Qt::LeftButton); // written, or the other side's
    after.state = w.game().state();
    after.controls = w.game().controls();
    after.boxes = answers.seen;
    after.forgetRoll();
    // Only the input box differs between the two ways.
    after.boxes.removeAll("kvint | Введите число от 1 до 6.  Или название комбинации. Например: "
                          "23, или 32, или strit, или care, или kvint.");
    return after;
}

void AccessTest::doubleClickWritesAsTheTypedEntry() {
    struct Case {
        Ctl cell;
        const char* selector;
    };
    for (const Case& c : {Case{Ctl::Label16, "23"}, Case{Ctl::may8, "32"}}) {
        const Aftermath typed = entryBy(false, c.cell, c.selector);
        const Aftermath clicked = entryBy(true, c.cell, c.selector);
        QVERIFY2(clicked.state == typed.state, c.selector);
        QVERIFY2(clicked.controls == typed.controls, c.selector);
        QCOMPARE(clicked.boxes, typed.boxes);
        QCOMPARE(clicked.sounds, typed.sounds);
    }
    const Aftermath written = entryBy(true, Ctl::Label16, "23");
    QCOMPARE(int{written.state.mayscore(7)}, 21);
    QCOMPARE(int{written.state.compscore(11)}, 20);
    QCOMPARE(written.state.turnowner, 1);
    QVERIFY(written.boxes.isEmpty());
    QCOMPARE(written.sounds, (QStringList{"dice02.wav 0", "dice05.wav 1", "dice05.wav 1"}));

    const Aftermath refused = entryBy(true, Ctl::may8, "32");
    QCOMPARE(int{refused.state.mayscore(8)}, 0);
    QCOMPARE(int{refused.state.mayscore(11)}, 20); // the turn stayed with player one
    QCOMPARE(refused.boxes, QStringList{"Предупреждение | Вы не правильно ввели название "
                                        "комбинации. Будте внимательнее!"});
    QCOMPARE(refused.sounds, (QStringList{"dice02.wav 0", "dice05.wav 1"}));
}

QTEST_MAIN(AccessTest)
#include "access_test.moc"
