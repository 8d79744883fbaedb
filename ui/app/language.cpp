#include "ui/app/language.h"

#include <QLibraryInfo>
#include <QLocale>

namespace kvint::ui {

std::optional<Language> languageOf(const QString& code) {
    const QString language = code.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0);
    if (language.compare(QLatin1String("ru"), Qt::CaseInsensitive) == 0) {
        return Language::ru;
    }
    if (language.compare(QLatin1String("en"), Qt::CaseInsensitive) == 0) {
        return Language::en;
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
    if (lang != Language::ru) {
        return false;
    }
    return translator.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

} // namespace kvint::ui
