#include "ui/sound_switch.h"

#include "ui/qt_platform.h"

#include <QAction>
#include <QMenu>
#include <QSettings>

namespace kvint::ui {
namespace {

constexpr const char* kSoundKey = "sound/on";

} // namespace

void addSoundSwitch(QMenu& menu, QtPlatform& platform) {
    QAction* item = menu.addAction(QStringLiteral("Звук"));
    item->setCheckable(true);
    const bool on = QSettings().value(kSoundKey, true).toBool();
    item->setChecked(on);
    platform.setSoundOn(on);
    QObject::connect(item, &QAction::toggled, &menu, [&platform](bool checked) {
        platform.setSoundOn(checked);
        QSettings().setValue(kSoundKey, checked);
    });
}

} // namespace kvint::ui
