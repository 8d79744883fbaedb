#include "ui/app/app_icon.h"
#include "ui/app/asset_dirs.h"
#include "ui/app/command_line.h"
#include "ui/app/language.h"
#include "ui/common/app_info.h"
#include "ui/window/first_paint.h"
#include "ui/window/form1.h"

#include <QApplication>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[]) {
    const auto line = kvint::ui::answerCommandLine(argc, argv);
    if (line.exitStatus) {
        return *line.exitStatus;
    }
    QApplication app(argc, argv);
    const kvint::Language lang =
        line.language.value_or(kvint::ui::desktopLanguage(QLocale::system().uiLanguages()));
    QTranslator qtTexts;
    if (kvint::ui::loadQtTranslation(qtTexts, lang)) {
        QApplication::installTranslator(&qtTexts);
    }
    QApplication::setApplicationName("kvint");
    QApplication::setApplicationVersion(kvint::ui::kAppVersion);
    QGuiApplication::setDesktopFileName(kvint::ui::kAppId);
    QApplication::setWindowIcon(kvint::ui::appIcon());
    // The game decides when the run ends; hiding the main window for the
    // rules must not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    kvint::ui::Form1 window(kvint::ui::assetsFolder(QCoreApplication::applicationDirPath()), lang);
    QObject::connect(&window, &kvint::ui::Form1::programEnded, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    if (line.quitAfterFirstPaint) {
        kvint::ui::onFirstPaint(window, [] { QCoreApplication::exit(0); });
    } else {
        // Timing the start must not stop at the question.
        window.keepUnfinishedGame(kvint::ui::ResumeStore::defaultFile());
    }
    return QApplication::exec();
}
