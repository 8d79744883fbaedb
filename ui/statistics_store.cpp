#include "ui/statistics_store.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>
#include <QStandardPaths>

#include <utility>

namespace kvint::ui {

StatisticsStore::StatisticsStore(QString file) : file_(std::move(file)) {}

QString StatisticsStore::defaultFile() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("statistics.json"));
}

const Statistics& StatisticsStore::figures() {
    if (!figures_) {
        load();
    }
    return *figures_;
}

bool StatisticsStore::record(const GameResult& result, const QDate& day) {
    figures();
    figures_->add(result, day);
    return save();
}

bool StatisticsStore::clear() {
    figures_ = Statistics{};
    return save();
}

QString StatisticsStore::takeNotice() {
    return std::exchange(notice_, {});
}

void StatisticsStore::load() {
    figures_ = Statistics{};
    if (!QFileInfo::exists(file_)) {
        return;
    }
    QFile file(file_);
    if (!file.open(QIODevice::ReadOnly)) {
        setAside(QStringLiteral("не читается"));
        return;
    }
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    file.close();
    if (error.error != QJsonParseError::NoError || !doc.isObject()) {
        setAside(QStringLiteral("повреждён"));
        return;
    }
    if (const auto read = fromJson(doc.object())) {
        figures_ = *read;
        return;
    }
    setAside(QStringLiteral("повреждён или записан более новой версией игры"));
}

void StatisticsStore::setAside(const QString& why) {
    const QString aside = file_ + QStringLiteral(".damaged-") +
                          QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const bool kept = QFile::rename(file_, aside);
    notice_ = QStringLiteral("Файл статистики %1, поэтому счёт начат заново. ").arg(why) +
              (kept ? QStringLiteral("Прежний файл сохранён как %1.").arg(aside)
                    : QStringLiteral("Прежний файл %1 будет заменён.").arg(file_));
}

bool StatisticsStore::save() {
    if (!QDir().mkpath(QFileInfo(file_).absolutePath())) {
        return false;
    }
    QSaveFile file(file_);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write(QJsonDocument(toJson(*figures_)).toJson());
    return file.commit();
}

} // namespace kvint::ui
