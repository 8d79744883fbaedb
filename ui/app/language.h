#pragma once

#include "game/messages.h"

#include <QString>
#include <QStringList>
#include <QTranslator>

#include <optional>

namespace kvint::ui {

// The language a code names ("ru", "en", "ru_RU", "en-GB"), if the game
// speaks it.
std::optional<Language> languageOf(const QString& code);

// The first of the user's languages, most wanted first (as
// QLocale::uiLanguages() lists them), that the game speaks; English when it
// speaks none of them.
Language desktopLanguage(const QStringList& userLanguages);

// Loads Qt's own translation for lang into `translator`, so the standard
// buttons and dialogs Qt draws speak it too; false when there is none (English
// needs none).
bool loadQtTranslation(QTranslator& translator, Language lang);

} // namespace kvint::ui
