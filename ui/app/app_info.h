#pragma once

#include <QString>

namespace kvint::ui {

// One reverse-DNS id names the desktop entry, the metainfo and the icon, so
// desktops can tie the running window to all three. The build defines it.
inline const QString kAppId = QStringLiteral(KVINT_APP_ID);
inline const QString kAppVersion = QStringLiteral(KVINT_VERSION);

} // namespace kvint::ui
