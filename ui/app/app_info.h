#pragma once

#include <QString>

namespace kvint::ui {

// One reverse-DNS id names the desktop entry, the metainfo and the icon, so
// desktops can tie the running window to all three.
inline const QString kAppId = QStringLiteral("io.github.kvint.Kvint");
inline const QString kAppVersion = QStringLiteral(KVINT_VERSION);

} // namespace kvint::ui
