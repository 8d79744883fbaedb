#include "ui/resume/resume_store.h"

#include "ui/common/user_file.h"

#include <QDir>
#include <QStandardPaths>

#include <utility>
#include <variant>

namespace kvint::ui {

ResumeStore::ResumeStore(QString file) : file_(std::move(file)) {}

QString ResumeStore::defaultFile() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("unfinished-game"));
}

SavedGame ResumeStore::read() {
    const UserFileBytes found = readUserFile(file_, static_cast<qint64>(kSnapshotLimit));
    if (const auto* why = std::get_if<UnreadableFile>(&found)) {
        gone_ = *why == UnreadableFile::missing;
        return {std::nullopt, !gone_};
    }
    std::string bytes = std::get<QByteArray>(found).toStdString();
    auto snapshot = parseSnapshot(bytes);
    if (!snapshot) {
        return {std::nullopt, true};
    }
    onDisk_ = std::move(bytes);
    return {std::move(snapshot), false};
}

void ResumeStore::setAside() {
    gone_ = setAsideUserFile(file_).has_value();
    onDisk_.reset();
}

void ResumeStore::keep(const std::string& exported) {
    if (onDisk_ == exported) {
        return;
    }
    const bool written = writeUserFile(file_, QByteArray::fromStdString(exported));
    // After a failure the old file may or may not be in place.
    onDisk_ = written ? std::optional(exported) : std::nullopt;
    gone_ = false;
}

void ResumeStore::discard() {
    if (gone_) {
        return;
    }
    gone_ = removeUserFile(file_);
    onDisk_.reset();
}

} // namespace kvint::ui
