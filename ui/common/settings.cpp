#include "ui/common/settings.h"

#include <QCoreApplication>
#include <QSettings>

namespace kvint::ui {
namespace {

constexpr auto kZoomKey = "window/zoom";
constexpr auto kPlaceKey = "window/geometry";
constexpr auto kSoundKey = "sound/on";

QSettings stored() {
    return {QSettings::UserScope, QCoreApplication::applicationName(),
            QCoreApplication::applicationName()};
}

} // namespace

Settings readSettings() {
    const QSettings saved = stored();
    Settings settings;
    if (saved.contains(kZoomKey)) {
        settings.zoom = saved.value(kZoomKey).toInt();
    }
    settings.place = saved.value(kPlaceKey).toByteArray();
    settings.sound = saved.value(kSoundKey, true).toBool();
    return settings;
}

void writeSettings(const Settings& settings) {
    QSettings saved = stored();
    if (settings.zoom) {
        saved.setValue(kZoomKey, *settings.zoom);
    } else {
        saved.remove(kZoomKey);
    }
    if (settings.place.isEmpty()) {
        saved.remove(kPlaceKey);
    } else {
        saved.setValue(kPlaceKey, settings.place);
    }
    saved.setValue(kSoundKey, settings.sound);
}

} // namespace kvint::ui
