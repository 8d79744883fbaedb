#include "ui/app/language.h"

#include "game/languages.h"
#include "ui/common/qstring_conv.h"
#include "ui/common/qt_locale.h"

#include <QLibraryInfo>
#include <QLocale>

namespace kvint::ui {

std::optional<Language> languageOf(const QString& code) {
    const QString language = code.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0);
    for (const LanguageInfo& known : kLanguages) {
        if (language.compare(toQString(known.code), Qt::CaseInsensitive) == 0) {
            return known.id;
        }
    }
    return std::nullopt;
}

Language desktopLanguage(const QStringList& userLanguages) {
    for (const QString& code : userLanguages) {
        if (const auto lang = languageOf(code)) {
            return *lang;
        }
    }
    return Language::en;
}

bool loadQtTranslation(QTranslator& translator, Language lang) {
    const QLocale locale = qtLocale(lang);
    // Qt's own texts are written in English.
    if (locale.language() == QLocale::English) {
        return false;
    }
    return translator.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

} // namespace kvint::ui
