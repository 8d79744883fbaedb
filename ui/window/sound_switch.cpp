#include "ui/window/sound_switch.h"

#include "ui/platform/qt_platform.h"
#include "ui/window/window_settings.h"

#include <QAction>
#include <QMenu>

namespace kvint::ui {
namespace {

constexpr const char* kSoundKey = "sound/on";

} // namespace

void addSoundSwitch(QMenu& menu, const QString& caption, QtPlatform& platform) {
    QAction* item = menu.addAction(caption);
    item->setCheckable(true);
    const bool on = windowSettings().value(kSoundKey, true).toBool();
    item->setChecked(on);
    platform.setSoundOn(on);
    QObject::connect(item, &QAction::toggled, &menu, [&platform](bool checked) {
        platform.setSoundOn(checked);
        windowSettings().setValue(kSoundKey, checked);
    });
}

} // namespace kvint::ui
