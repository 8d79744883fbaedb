#pragma once

#include "game/languages.h"

#include <QLocale>
#include <QString>

namespace kvint::ui {

// Qt's locale of a language: the one its own buttons, numbers and dates use.
inline QLocale qtLocale(Language lang) {
    const std::string_view name = languageInfo(lang).qtLocale;
    return QLocale(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
}

} // namespace kvint::ui
