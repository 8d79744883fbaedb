#include "ui/form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("kvint");
    // The game decides when the run ends; hiding the main window for the
    // rules must not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    kvint::ui::Form1 window(QCoreApplication::applicationDirPath());
    QObject::connect(&window, &kvint::ui::Form1::programEnded, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    return QApplication::exec();
}
