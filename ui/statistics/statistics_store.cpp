#include "ui/statistics/statistics_store.h"

#include "ui/common/qstring_conv.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>
#include <QStandardPaths>

#include <utility>

namespace kvint::ui {

StatisticsStore::StatisticsStore(QString file, Language lang)
    : file_(std::move(file)), lang_(lang) {}

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
    QString notice = std::exchange(notice_, {});
    if (std::exchange(unsaved_, false)) {
        notice += (notice.isEmpty() ? QString() : QStringLiteral("\n")) +
                  textOf(lang_, Msg::statisticsNotSaved, {toStdString(file_)});
    }
    return notice;
}

void StatisticsStore::load() {
    figures_ = Statistics{};
    if (!QFileInfo::exists(file_)) {
        return;
    }
    QFile file(file_);
    if (!file.open(QIODevice::ReadOnly)) {
        setAside(Msg::statisticsUnreadable);
        return;
    }
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    file.close();
    if (error.error != QJsonParseError::NoError || !doc.isObject()) {
        setAside(Msg::statisticsDamaged);
        return;
    }
    if (const auto read = fromJson(doc.object())) {
        figures_ = *read;
        return;
    }
    setAside(Msg::statisticsTooNew);
}

void StatisticsStore::setAside(Msg why) {
    const QString aside = file_ + QStringLiteral(".damaged-") +
                          QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const bool kept = QFile::rename(file_, aside);
    notice_ =
        textOf(lang_, why) + (kept ? textOf(lang_, Msg::statisticsKept, {toStdString(aside)})
                                   : textOf(lang_, Msg::statisticsReplaced, {toStdString(file_)}));
}

bool StatisticsStore::save() {
    unsaved_ = !write();
    return !unsaved_;
}

bool StatisticsStore::write() {
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
