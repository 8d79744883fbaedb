#include "ui/window/window_settings.h"

#include <QCoreApplication>

namespace kvint::ui {

QSettings windowSettings() {
    return {QSettings::UserScope, QCoreApplication::applicationName(),
            QCoreApplication::applicationName()};
}

} // namespace kvint::ui
