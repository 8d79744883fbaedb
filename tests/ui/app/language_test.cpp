#include "modal_answers.h"
#include "ui/app/command_line.h"
#include "ui/app/language.h"
#include "ui/window/form1.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using kvint::Ctl;
using kvint::Language;
using kvint::ui::Form1;

class LanguageTest : public QObject {
    Q_OBJECT

  private slots:
    // Russian for a Russian desktop, English for any other, the user's
    // first wanted language that the game speaks deciding.
    void theDesktopsLanguageChoosesRussianOrEnglish() {
        using kvint::ui::desktopLanguage;
        QCOMPARE(desktopLanguage({"ru-RU", "ru-Cyrl-RU", "ru"}), Language::ru);
        QCOMPARE(desktopLanguage({"en-GB", "ru"}), Language::en);
        QCOMPARE(desktopLanguage({"de", "de-DE", "ru", "ru-RU"}), Language::ru);
        QCOMPARE(desktopLanguage({"de-DE", "fr"}), Language::en);
        QCOMPARE(desktopLanguage({"C"}), Language::en);
        QCOMPARE(desktopLanguage({}), Language::en);
        QCOMPARE(desktopLanguage({"rus"}), Language::en);
    }

    void langOverridesAndRefusesWhatTheGameDoesNotSpeak() {
        using kvint::ui::answerArguments;
        const auto en = answerArguments({"kvint", "--lang", "en"});
        QVERIFY(!en.exitStatus);
        QCOMPARE(en.language, Language::en);
        QCOMPARE(answerArguments({"kvint", "--lang=ru"}).language, Language::ru);
        const auto none = answerArguments({"kvint"});
        QVERIFY(!none.exitStatus && !none.language);
        QCOMPARE(answerArguments({"kvint", "--lang=de"}).exitStatus, 2);
        QCOMPARE(answerArguments({"kvint", "--lang"}).exitStatus, 2);
    }

    // Qt's standard buttons are translated by Qt's own catalogue, which
    // ships with Qt for Russian; English needs none.
    void qtsOwnButtonsFollowTheLanguage() {
        QTranslator russian;
        QVERIFY(kvint::ui::loadQtTranslation(russian, Language::ru));
        QVERIFY(!russian.isEmpty());
        QTranslator english;
        QVERIFY(!kvint::ui::loadQtTranslation(english, Language::en));
    }

    // The window's own boxes answer in the game's language: the exit
    // question of an English window has English words on its buttons.
    void anEnglishWindowAsksInEnglish() {
        QTemporaryDir assets;
        Form1 w(assets.path(), Language::en);
        kvint::test::ModalAnswers modal;
        QStringList buttons;
        modal.then([&buttons](QWidget& box) {
            auto& question = dynamic_cast<QMessageBox&>(box);
            buttons << question.button(QMessageBox::Yes)->text()
                    << question.button(QMessageBox::No)->text();
            question.button(QMessageBox::No)->click();
        });
        w.platform().answerFirstInput("Ann", [&w] { w.game().click(Ctl::Command7); });
        w.action(Ctl::vihod)->trigger();
        QCOMPARE(modal.seen, QStringList{"Warning | Do you really want to quit the game?"});
        QCOMPARE(buttons, (QStringList{"Yes", "No"}));
        QCOMPARE(w.action(Ctl::pravila)->text(), QString("Rules"));
        QVERIFY(!w.game().ended());
    }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
