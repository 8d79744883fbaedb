#include "ui/app/asset_dirs.h"

#include "game/languages.h"
#include "game/platform.h"
#include "game/rules_text.h"

#include <QDir>
#include <QFileInfo>

#include <array>
#include <limits>

namespace kvint::ui {

QStringList missingAssets(const QString& folder) {
    const QDir dir(folder);
    QStringList missing;
    const auto check = [&](std::string_view name) {
        const QString file = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
        if (!QFileInfo(dir.filePath(file)).isFile()) {
            missing << file;
        }
    };
    for (const LanguageInfo& language : kLanguages) {
        check(language.rulesFile);
    }
    for (std::string_view sound : kSoundFiles) {
        check(sound);
    }
    return missing;
}

QString assetsFolder(const QString& programFolder) {
    const std::array<QString, 2> candidates = {
        programFolder, QDir::cleanPath(programFolder + QStringLiteral("/../share/kvint"))};
    QString best;
    qsizetype fewest = std::numeric_limits<qsizetype>::max();
    for (const QString& folder : candidates) {
        // Strictly fewer: an earlier folder wins a tie.
        if (const qsizetype missing = missingAssets(folder).size(); missing < fewest) {
            best = folder;
            fewest = missing;
        }
    }
    return best;
}

} // namespace kvint::ui
