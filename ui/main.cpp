#include "ui/app_info.h"
#include "ui/asset_dirs.h"
#include "ui/command_line.h"
#include "ui/form1.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    if (const auto status = kvint::ui::answerCommandLine(argc, argv)) {
        return *status;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("kvint");
    QApplication::setApplicationVersion(kvint::ui::kAppVersion);
    QGuiApplication::setDesktopFileName(kvint::ui::kAppId);
    QApplication::setWindowIcon(QIcon::fromTheme(kvint::ui::kAppId, QIcon(":/icons/kvint.png")));
    // The game decides when the run ends; hiding the main window for the
    // rules must not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    kvint::ui::Form1 window(kvint::ui::assetsFolder(QCoreApplication::applicationDirPath()));
    QObject::connect(&window, &kvint::ui::Form1::programEnded, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    return QApplication::exec();
}
