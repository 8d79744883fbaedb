#pragma once

#include <QString>

namespace kvint::ui {

// One reverse-DNS id names the desktop entry, the metainfo and the icon, so
// desktops can tie the running window to all three. The build defines it,
// and the licence and the project's address the metainfo gives, from the
// same values.
inline const QString kAppId = QStringLiteral(KVINT_APP_ID);
inline const QString kAppVersion = QStringLiteral(KVINT_VERSION);
inline const QString kAppLicence = QStringLiteral(KVINT_LICENCE);
inline const QString kAppHomepage = QStringLiteral(KVINT_HOMEPAGE);

} // namespace kvint::ui
