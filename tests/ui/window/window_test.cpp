#include "fresh_folder.h"
#include "modal_answers.h"
#include "ui/common/app_info.h"
#include "ui/common/settings.h"
#include "ui/window/form1.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using kvint::Ctl;
using kvint::ui::Form1;

namespace {

QString labelText(Form1& w, Ctl c) {
    return qobject_cast<QLabel*>(w.widget(c))->text();
}

QString buttonCaption(Form1& w, Ctl c) {
    // Tall option buttons and check boxes wrap their captions.
    return qobject_cast<QAbstractButton*>(w.widget(c))->text().replace('\n', ' ');
}

bool ticked(Form1& w, Ctl c) {
    return qobject_cast<QAbstractButton*>(w.widget(c))->isChecked();
}

bool onView(Form1& w, Ctl c) {
    return !w.widget(c)->isHidden();
}

QColor background(QWidget* w) {
    return w->autoFillBackground() ? w->palette().color(w->backgroundRole()) : QColor();
}

void click(Form1& w, Ctl c) {
    QTest::mouseClick(w.widget(c), Qt::LeftButton);
}

// Counts what the platform asks of its window.
struct CountingHost : kvint::ui::PlatformHost {
    bool over = false;
    int calls = 0;
    int shutDowns = 0;
    QWidget parent;

    [[nodiscard]] bool ended() const override { return over; }
    void sync() override { ++calls; }
    QWidget* dialogParent() override {
        ++calls;
        return &parent;
    }
    void requestFocus(Ctl /*control*/) override { ++calls; }
    void repaintSurface() override { ++calls; }
    void shutDown() override { ++shutDowns; }
    void showNote(const QString& /*text*/) override { ++calls; }
};

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QVERIFY(kvint::test::startAfresh(assets_)); }
    void cleanup() { assets_.reset(); }

    void opensInTheStartState();
    void everyControlFollowsTheModel();
    void entryAsksTheNameAndStartsPlay();
    void choicePanelAndTwoPlayersShowNamesAsTyped();
    void cancelledNameBoxGivesAnEmptyName();
    void diceTakeClicksAndEnter();
    void hiddenMenusIgnoreTheirShortcuts();
    void rulesWindowTakesTheMainWindowsPlace();
    void exitAsksFirst();
    void closingTheMainWindowEndsTheRun();
    void platformIsSilentOnceTheGameHasEnded();

  private:
    // Makes the window active so its F-key shortcuts are live.
    static bool activate(QWidget& w) {
        w.activateWindow();
        return QTest::qWaitForWindowActive(&w);
    }
    void enter(Form1& w, const QStringList& names);

    std::unique_ptr<QTemporaryDir> assets_;
};

void WindowTest::opensInTheStartState() {
    Form1 w(assets_->path());
    QVERIFY(w.isVisible());
    QCOMPARE(w.windowTitle(), QString("Игра \"Покер\""));
    QCOMPARE(w.centralWidget()->size(), QSize(312, 229));

    QCOMPARE(labelText(w, Ctl::Label1), QString("кубик 1"));
    QCOMPARE(labelText(w, Ctl::Label4), QString("кубик4"));
    QCOMPARE(labelText(w, Ctl::Label7), QString("Счет "));
    QCOMPARE(labelText(w, Ctl::Label8), QString());
    QCOMPARE(labelText(w, Ctl::Label32), QString());
    QCOMPARE(labelText(w, Ctl::Label10), QString("1 "));
    QCOMPARE(labelText(w, Ctl::Label20), QString("kvint"));
    QCOMPARE(labelText(w, Ctl::Label27), QString("2/3"));
    QCOMPARE(labelText(w, Ctl::may1), QString());
    QCOMPARE(buttonCaption(w, Ctl::Command7), QString("Вход"));
    QCOMPARE(buttonCaption(w, Ctl::Option1), QString("Человек+ комп"));
    QCOMPARE(buttonCaption(w, Ctl::Option2), QString("Человек+ человек"));
    QCOMPARE(buttonCaption(w, Ctl::Check3), QString("Профи"));
    QCOMPARE(qobject_cast<QGroupBox*>(w.widget(Ctl::Frame1))->title(), QString("Выбор игры"));
    for (Ctl c : {Ctl::Option1, Ctl::Option2}) {
        // The two-word captions are too wide for one line: they wrap, not clip.
        QWidget* option = w.widget(c);
        const QString shown = qobject_cast<QAbstractButton*>(option)->text();
        QVERIFY(shown.contains('\n'));
        for (const QString& line : shown.split('\n')) {
            QVERIFY(option->fontMetrics().horizontalAdvance(line) < option->width());
        }
    }

    for (Ctl c : {Ctl::Frame1, Ctl::Option1, Ctl::Option2, Ctl::Check1, Ctl::Check2, Ctl::Check3,
                  Ctl::Command7, Ctl::Label1, Ctl::Label6, Ctl::Label31, Ctl::comp11}) {
        QVERIFY2(onView(w, c), kvint::controlName(c).data());
    }
    for (Ctl c : {Ctl::Text1, Ctl::Text6, Ctl::Command1, Ctl::Command2, Ctl::Command3,
                  Ctl::Command4, Ctl::Command5, Ctl::Command6}) {
        QVERIFY2(!onView(w, c), kvint::controlName(c).data());
    }
    QVERIFY(ticked(w, Ctl::Option1));
    QVERIFY(!ticked(w, Ctl::Option2));
    QVERIFY(!ticked(w, Ctl::Check1));
    QVERIFY(ticked(w, Ctl::Check2));
    QVERIFY(!ticked(w, Ctl::Check3));

    const QColor olive(128, 128, 0);
    const QColor teal(0, 128, 128);
    QCOMPARE(background(w.widget(Ctl::Label10)), olive);
    QCOMPARE(background(w.widget(Ctl::may11)), olive);
    QCOMPARE(background(w.widget(Ctl::Label31)), teal);
    QCOMPARE(background(w.widget(Ctl::comp1)), teal);
    QCOMPARE(background(w.centralWidget()), QColor(128, 128, 128));

    QVERIFY(!w.action(Ctl::igra)->isVisible());
    QVERIFY(!w.action(Ctl::schet)->isVisible());
    QVERIFY(!w.action(Ctl::hod)->isVisible());
    QVERIFY(w.action(Ctl::pomosch)->isVisible());
    QCOMPARE(w.action(Ctl::pomosch)->text(), QString("Помощь"));
    QCOMPARE(w.action(Ctl::pravila)->text(), QString("Правила игры"));
    QCOMPARE(w.action(Ctl::vihod)->text(), QString("Выход alt+f4"));
    QCOMPARE(w.action(Ctl::pravila)->shortcut(), QKeySequence(Qt::Key_F1));
    QCOMPARE(w.action(Ctl::novaya)->shortcut(), QKeySequence(Qt::Key_F2));
    QCOMPARE(w.action(Ctl::ochko)->shortcut(), QKeySequence(Qt::Key_F3));
    QCOMPARE(w.action(Ctl::mayschet)->shortcut(), QKeySequence(Qt::Key_F4));
    QCOMPARE(w.action(Ctl::schetcomp)->shortcut(), QKeySequence(Qt::Key_F5));
    QCOMPARE(w.action(Ctl::hod)->shortcut(), QKeySequence(Qt::Key_F6));
    QVERIFY(w.action(Ctl::oprg)->shortcut().isEmpty());
    QVERIFY(w.rulesWindow() == nullptr); // made on first use only

    // Beside the game's notice, the window's own: version, licence, address.
    QAction* version = w.action(Ctl::pomosch)->menu()->actions().back();
    QCOMPARE(version->text(), QString("О программе kvint"));
    kvint::test::ModalAnswers answers;
    answers.then([](QWidget& box) {
        const QString text = dynamic_cast<QMessageBox&>(box).text();
        QVERIFY(text.contains("kvint " + kvint::ui::kAppVersion));
        QVERIFY(text.contains("GPL-3.0-or-later"));
        QVERIFY(text.contains("<a href=\"https://github.com/kvint/kvint\">"));
        box.close();
    });
    version->trigger();
    QVERIFY(answers.allAnswered());
}

void WindowTest::everyControlFollowsTheModel() {
    Form1 w(assets_->path());
    const kvint::Controls& model = w.game().controls();
    for (auto i = static_cast<std::size_t>(Ctl::Label1); i <= static_cast<std::size_t>(Ctl::Check3);
         ++i) {
        const auto c = static_cast<Ctl>(i);
        QVERIFY2(onView(w, c) == model[c].visible, kvint::controlName(c).data());
    }
    // Places, in twips / 15: a die, the two buttons that share a place, an option.
    QCOMPARE(w.widget(Ctl::Text1)->geometry(), QRect(23, 132, 37, 38));
    QCOMPARE(w.widget(Ctl::Text6)->geometry(), QRect(249, 132, 38, 38));
    QCOMPARE(w.widget(Ctl::Command2)->geometry(), w.widget(Ctl::Command5)->geometry());
    QCOMPARE(w.widget(Ctl::Command3)->geometry(), QRect(248, 189, 46, 15));
    QCOMPARE(w.widget(Ctl::Option1)->geometry(), QRect(204, 64, 76, 38));
    QCOMPARE(w.widget(Ctl::Label18)->geometry(), QRect(96, 45, 27, 15));
    QCOMPARE(w.widget(Ctl::comp7)->geometry(), QRect(215, 15, 19, 15));
}

// Presses "Вход" and answers the name boxes.
void WindowTest::enter(Form1& w, const QStringList& names) {
    kvint::test::ModalAnswers answers;
    for (const QString& name : names) {
        answers.type(name);
    }
    click(w, Ctl::Command7);
    QVERIFY(answers.allAnswered());
    QCOMPARE(answers.unexpected, 0);
}

void WindowTest::entryAsksTheNameAndStartsPlay() {
    Form1 w(assets_->path());
    kvint::test::ModalAnswers answers;
    answers.type("Вася");
    click(w, Ctl::Command7);
    QCOMPARE(answers.seen, QStringList{"kvint | Введите ваше имя"});
    QCOMPARE(answers.unexpected, 0);

    for (Ctl c : {Ctl::Frame1, Ctl::Option1, Ctl::Option2, Ctl::Check1, Ctl::Check2, Ctl::Check3,
                  Ctl::Command7, Ctl::Command4, Ctl::Command5, Ctl::Command6}) {
        QVERIFY2(!onView(w, c), kvint::controlName(c).data());
    }
    for (Ctl c : {Ctl::Command1, Ctl::Command2, Ctl::Command3}) {
        QVERIFY2(onView(w, c), kvint::controlName(c).data());
    }
    for (std::size_t i = 1; i <= 6; ++i) {
        auto* die = qobject_cast<QLineEdit*>(w.widget(kvint::textBox(i)));
        QVERIFY(!die->isHidden());
        QCOMPARE(die->text(), QString::number(w.game().state().kubik(i)));
        QVERIFY(die->text() >= "1" && die->text() <= "6");
    }
    QCOMPARE(labelText(w, Ctl::Label8), QString("Вася"));
    QCOMPARE(labelText(w, Ctl::Label32), QString(" компьютера"));
    QVERIFY(w.action(Ctl::igra)->isVisible());
    QVERIFY(w.action(Ctl::schet)->isVisible());
    QVERIFY(!w.action(Ctl::hod)->isVisible());
    QCOMPARE(w.action(Ctl::schetcomp)->text(), QString("Счет компьютера"));
}

void WindowTest::choicePanelAndTwoPlayersShowNamesAsTyped() {
    Form1 w(assets_->path());
    click(w, Ctl::Check1);
    QVERIFY(ticked(w, Ctl::Check1));
    QVERIFY(!ticked(w, Ctl::Check2));
    QCOMPARE(w.game().state().level, kvint::strength::novice);
    click(w, Ctl::Check1); // the click that clears the box still counts
    QVERIFY(!ticked(w, Ctl::Check1));

    click(w, Ctl::Option2);
    QVERIFY(ticked(w, Ctl::Option2));
    QVERIFY(!ticked(w, Ctl::Option1));
    QVERIFY(!onView(w, Ctl::Check1) && !onView(w, Ctl::Check2) && !onView(w, Ctl::Check3));
    click(w, Ctl::Option2); // a second click leaves it selected
    QVERIFY(ticked(w, Ctl::Option2));

    kvint::test::ModalAnswers answers;
    answers.type("<b>Аня</b>");
    answers.type("Петя & Co");
    click(w, Ctl::Command7);
    QCOMPARE(answers.seen, (QStringList{"kvint | Введите имя первого игрока.",
                                        "kvint | Введите имя второго игрока"}));
    auto* left = qobject_cast<QLabel*>(w.widget(Ctl::Label8));
    QCOMPARE(left->text(), QString("<b>Аня</b>"));
    QCOMPARE(left->textFormat(), Qt::PlainText);
    QCOMPARE(labelText(w, Ctl::Label32), QString("Петя & Co"));
    QVERIFY(w.action(Ctl::hod)->isVisible());
    QCOMPARE(w.action(Ctl::hod)->iconText(), QString("Ход <b>Аня</b>"));
    // '&' is a character of the name, not a mnemonic mark.
    QCOMPARE(w.action(Ctl::schetcomp)->iconText(), QString("Счет Петя & Co"));
}

void WindowTest::cancelledNameBoxGivesAnEmptyName() {
    Form1 w(assets_->path());
    kvint::test::ModalAnswers answers;
    answers.then([](QWidget& box) {
        auto* entry = box.findChild<QLineEdit*>();
        QVERIFY(entry != nullptr);
        QVERIFY(entry->text().isEmpty());
        QCOMPARE(entry->maxLength(), 255);
        QTest::keyClicks(entry, "Vasya");
        dynamic_cast<QInputDialog&>(box).reject();
    });
    click(w, Ctl::Command7);
    QVERIFY(answers.allAnswered());
    QCOMPARE(w.game().state().name1, std::string());
    QCOMPARE(labelText(w, Ctl::Label8), QString());
    QVERIFY(onView(w, Ctl::Text1)); // the game goes on with an empty name
}

void WindowTest::diceTakeClicksAndEnter() {
    Form1 w(assets_->path());
    QVERIFY(activate(w));
    enter(w, {"Вася"});
    const kvint::State& st = w.game().state();

    kvint::test::ModalAnswers warning;
    warning.then([](QWidget& box) {
        auto& message = dynamic_cast<QMessageBox&>(box);
        QCOMPARE(message.icon(), QMessageBox::NoIcon);
        message.button(QMessageBox::Ok)->click();
    });
    click(w, Ctl::Command1); // nothing marked yet
    QCOMPARE(warning.seen, QStringList{"Предупреждение! | Вы не выбрали ни одного кубика!"});
    QVERIFY(onView(w, Ctl::Command1));

    click(w, Ctl::Text3);
    QVERIFY(!onView(w, Ctl::Text3));
    QCOMPARE(int{st.rerollcount}, 1);
    QCOMPARE(qobject_cast<QLineEdit*>(w.widget(Ctl::Text3))->text(), QString::number(st.kubik(3)));
    QTest::keyClick(w.widget(Ctl::Text2), Qt::Key_Return);
    QVERIFY(!onView(w, Ctl::Text2));
    QCOMPARE(int{st.rerollcount}, 2);
    const QString before = qobject_cast<QLineEdit*>(w.widget(Ctl::Text1))->text();
    QTest::keyClick(w.widget(Ctl::Text1), Qt::Key_A);
    QTest::keyClick(w.widget(Ctl::Text1), Qt::Key_Left);
    QVERIFY(onView(w, Ctl::Text1));
    QCOMPARE(int{st.rerollcount}, 2);
    QCOMPARE(qobject_cast<QLineEdit*>(w.widget(Ctl::Text1))->text(), before);

    click(w, Ctl::Command1);
    QCOMPARE(int{st.brosnum}, 2);
    for (std::size_t i = 1; i <= 6; ++i) {
        QVERIFY(onView(w, kvint::textBox(i)));
    }
    // The focus goes to a die that was hidden until this very click.
    QCOMPARE(w.focusWidget(), w.widget(Ctl::Text1));
}

void WindowTest::hiddenMenusIgnoreTheirShortcuts() {
    Form1 w(assets_->path());
    QVERIFY(activate(w));
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (Ctl c : {Ctl::novaya, Ctl::ochko, Ctl::mayschet, Ctl::schetcomp, Ctl::hod}) {
        spies.push_back(std::make_unique<QSignalSpy>(w.action(c), &QAction::triggered));
    }
    {
        kvint::test::ModalAnswers none;
        for (auto key : {Qt::Key_F2, Qt::Key_F3, Qt::Key_F4, Qt::Key_F5, Qt::Key_F6}) {
            QTest::keyClick(&w, key);
        }
        QVERIFY(none.seen.isEmpty());
    }
    for (const auto& spy : spies) {
        QCOMPARE(spy->count(), 0);
    }
    QVERIFY(onView(w, Ctl::Frame1));

    enter(w, {"Вася"});
    QVERIFY(activate(w));
    QTest::keyClick(&w, Qt::Key_F6); // "Ход" stays hidden against the computer
    QCOMPARE(spies.back()->count(), 0);
    QTest::keyClick(&w, Qt::Key_F2); // "Новая" is on view now
    QCOMPARE(spies.front()->count(), 1);
    QVERIFY(onView(w, Ctl::Frame1));
    QVERIFY(!onView(w, Ctl::Text1));
}

void WindowTest::rulesWindowTakesTheMainWindowsPlace() {
    QFile rules(assets_->filePath("help.rls"));
    QVERIFY(rules.open(QIODevice::WriteOnly));
    rules.write("Первая\r\nВторая");
    rules.close();

    Form1 w(assets_->path());
    w.move(60, 50);
    const QRect place = w.frameGeometry();
    QVERIFY(activate(w));
    QTest::keyClick(&w, Qt::Key_F1);
    kvint::ui::Form2* form2 = w.rulesWindow();
    QVERIFY(form2 != nullptr);
    QVERIFY(form2->isVisible());
    QVERIFY(!w.isVisible());
    QCOMPARE(form2->windowTitle(), QString("Правила игры"));
    QCOMPARE(form2->size(), QSize(312, 216));
    QCOMPARE(form2->textBox().toPlainText(), QString("Первая\nВторая\n"));
    QCOMPARE(form2->closeButton().text(), QString("Закрыть"));

    form2->move(300, 200); // where the rules window goes is no matter for the main one
    // While it is away a window system may place the main window anew; the
    // window takes back its own place when it returns.
    const auto displace = [&w, &place] {
        w.move(w.pos() + QPoint(140, 90));
        w.resize(w.size() + QSize(30, 20));
        QVERIFY(w.frameGeometry() != place);
    };
    displace();
    QTest::mouseClick(&form2->closeButton(), Qt::LeftButton);
    QVERIFY(!form2->isVisible());
    QVERIFY(w.isVisible());
    QCOMPARE(w.frameGeometry(), place);

    w.action(Ctl::pravila)->trigger();
    QCOMPARE(w.rulesWindow(), form2); // hidden, never made anew
    QVERIFY(form2->isVisible());
    QCOMPARE(form2->textBox().toPlainText(), QString("Первая\nВторая\n"));
    // Esc closes it as "Закрыть" does, through the game.
    QVERIFY(activate(*form2));
    displace();
    QTest::keyClick(&form2->textBox(), Qt::Key_Escape);
    QVERIFY(!form2->isVisible());
    QVERIFY(!w.game().controls()[Ctl::Form2].visible);
    QVERIFY(w.isVisible());
    QCOMPARE(w.frameGeometry(), place);

    w.action(Ctl::pravila)->trigger();
    QVERIFY(form2->isVisible());

    QVERIFY(!form2->close());     // the close request is refused...
    QVERIFY(!form2->isVisible()); // ...and the game hides the window itself
    QVERIFY(w.isVisible());
    QCOMPARE(w.rulesWindow(), form2);
    QVERIFY(!w.game().ended());
}

void WindowTest::exitAsksFirst() {
    Form1 w(assets_->path());
    enter(w, {"Вася"});
    QSignalSpy ended(&w, &Form1::programEnded);
    kvint::test::ModalAnswers answers;
    answers.then([](QWidget& box) {
        auto& question = dynamic_cast<QMessageBox&>(box);
        QCOMPARE(question.icon(), QMessageBox::NoIcon);
        QCOMPARE(question.button(QMessageBox::Yes)->text(), QString("Да"));
        question.button(QMessageBox::No)->click();
    });
    w.action(Ctl::vihod)->trigger();
    QCOMPARE(answers.seen, QStringList{"Предупреждение | Вы действительно хотите выдти из игры?"});
    QCOMPARE(ended.count(), 0);
    QVERIFY(w.isVisible());

    answers.press(QMessageBox::Yes);
    w.action(Ctl::vihod)->trigger();
    QCOMPARE(ended.count(), 1);
    QVERIFY(!w.isVisible());
    QVERIFY(w.game().ended());
}

void WindowTest::closingTheMainWindowEndsTheRun() {
    Form1 w(assets_->path());
    w.action(Ctl::pravila)->trigger();
    QVERIFY(w.rulesWindow()->isVisible());
    QTest::mouseClick(&w.rulesWindow()->closeButton(), Qt::LeftButton);
    QVERIFY(w.isVisible());

    QSignalSpy ended(&w, &Form1::programEnded);
    QVERIFY(w.close());
    QCOMPARE(ended.count(), 1);
    QVERIFY(w.game().ended());
    QVERIFY(!w.rulesWindow()->isVisible());

    // Nothing is taken after the end, and nothing comes back on view.
    w.action(Ctl::pravila)->trigger();
    QVERIFY(!w.rulesWindow()->isVisible());
    QVERIFY(!w.isVisible());
}

void WindowTest::platformIsSilentOnceTheGameHasEnded() {
    CountingHost host;
    kvint::ui::QtPlatform platform(host, QDir(assets_->path()));
    kvint::test::ModalAnswers answers;
    answers.press(QMessageBox::Yes);
    QVERIFY(platform.messageBox("Играем?", kvint::Buttons::yesNo, "kvint"));
    QVERIFY(answers.allAnswered());
    QVERIFY(host.calls > 0);

    host.over = true;
    host.calls = 0;
    QVERIFY(!platform.messageBox("Играем?", kvint::Buttons::yesNo, "kvint"));
    QCOMPARE(platform.inputBox("Имя", "kvint"), std::string());
    platform.playSound("ooh.wav", kvint::Wait::untilEnd);
    platform.clearSurface();
    platform.focus(Ctl::Text1);
    platform.preloadSounds();
    QCOMPARE(host.calls, 0);
    QCOMPARE(answers.unexpected, 0);
    platform.endProgram();
    QCOMPARE(host.shutDowns, 1);
}

QTEST_MAIN(WindowTest)
#include "window_test.moc"
