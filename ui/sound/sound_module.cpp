#include "ui/sound/sound_module.h"

#include <QDir>
#include <QFileInfo>

namespace kvint::ui {

QStringList soundModuleFolders(const QString& programFolder) {
    return {programFolder, QDir::cleanPath(programFolder + QStringLiteral("/../lib/kvint"))};
}

QString soundModuleName() {
    return QStringLiteral(KVINT_SOUND_MODULE);
}

QString soundModulePath(const QStringList& folders) {
    for (const QString& folder : folders) {
        QString path = QDir(folder).filePath(soundModuleName());
        if (QFileInfo(path).isFile()) {
            return path;
        }
    }
    return {};
}

SoundOutput* SoundModule::output() {
    if (tried_) {
        return output_;
    }
    tried_ = true;
    const QString path = soundModulePath(folders_);
    if (path.isEmpty()) {
        return nullptr;
    }
    loader_.setFileName(path);
    output_ = qobject_cast<SoundOutput*>(loader_.instance());
    return output_;
}

} // namespace kvint::ui
