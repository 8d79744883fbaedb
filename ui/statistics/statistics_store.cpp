#include "ui/statistics/statistics_store.h"

#include "ui/common/qstring_conv.h"
#include "ui/common/user_file.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QLockFile>
#include <QStandardPaths>

#include <chrono>
#include <utility>
#include <variant>

namespace kvint::ui {
namespace {

using namespace std::chrono_literals;

// A file of eight rows takes about two kilobytes; anything far larger is not one.
constexpr qint64 kLargestFile = qint64{256} * 1024;
// A save holds the lock for a few milliseconds. The window waits for it no
// longer than a person would notice, and a lock this old was left by a
// program that died while it held it.
constexpr auto kLockWait = 200ms;
constexpr auto kStaleLock = 10s;

// QLockFile reads a lock it finds in its way, whole: a pipe there would hold
// the window and a huge file fill its memory. A lock of ours is one plain
// file of a few lines.
constexpr qint64 kLargestLock = 4096;

bool lockable(const QString& lock) {
    const QFileInfo info(lock);
    return !info.isSymLink() && (!info.exists() || (info.isFile() && info.size() <= kLargestLock));
}

} // namespace

StatisticsStore::StatisticsStore(QString file, Language lang)
    : file_(std::move(file)), lang_(lang) {}

StatisticsStore::~StatisticsStore() {
    if (!pending_.empty()) {
        write();
    }
}

QString StatisticsStore::defaultFile() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("statistics.json"));
}

const Statistics& StatisticsStore::figures() {
    shown_ = pending_.over(read());
    return shown_;
}

bool StatisticsStore::record(const GameResult& result, const QDate& day, bool withHints) {
    pending_.add(result, day, withHints);
    return save();
}

bool StatisticsStore::clear() {
    pending_.clear(read());
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

Statistics StatisticsStore::read() {
    const UserFileBytes bytes = readUserFile(file_, kLargestFile);
    if (const auto* why = std::get_if<UnreadableFile>(&bytes)) {
        if (*why != UnreadableFile::missing) {
            setAside(Msg::statisticsUnreadable);
        }
        return {};
    }
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(std::get<QByteArray>(bytes), &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()) {
        setAside(Msg::statisticsDamaged);
        return {};
    }
    if (const auto figures = fromJson(doc.object())) {
        return *figures;
    }
    setAside(laterVersion(doc.object()) ? Msg::statisticsTooNew : Msg::statisticsDamaged);
    return {};
}

// A file that cannot be moved is told once; the next save replaces it.
void StatisticsStore::setAside(Msg why) {
    if (const auto aside = setAsideUserFile(file_)) {
        notice_ = textOf(lang_, why) + textOf(lang_, Msg::statisticsKept, {toStdString(*aside)});
        return;
    }
    if (!std::exchange(damagedInPlace_, true)) {
        notice_ = textOf(lang_, why) + textOf(lang_, Msg::statisticsReplaced, {toStdString(file_)});
    }
}

bool StatisticsStore::save() {
    unsaved_ = !write();
    if (!unsaved_ && saved_) {
        saved_();
    }
    return !unsaved_;
}

// Under the lock no other window writes between the read and the write.
bool StatisticsStore::write() {
    const QString lockPath = file_ + QStringLiteral(".lock");
    if (!QDir().mkpath(QFileInfo(file_).absolutePath()) || !lockable(lockPath)) {
        return false;
    }
    QLockFile lock(lockPath);
    lock.setStaleLockTime(kStaleLock);
    if (!lock.tryLock(kLockWait)) {
        return false;
    }
    const Statistics figures = pending_.over(read());
    if (!writeUserFile(file_, QJsonDocument(toJson(figures)).toJson())) {
        return false;
    }
    pending_ = {};
    damagedInPlace_ = false;
    return true;
}

} // namespace kvint::ui
