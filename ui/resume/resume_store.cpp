#include "ui/resume/resume_store.h"

#include "ui/common/user_file.h"

#include <QDir>
#include <QStandardPaths>

#include <string_view>
#include <utility>
#include <variant>

namespace kvint::ui {
namespace {

// The window's line: a name of its own, a version, and whether the coach
// helped. A file written before the line existed starts with the game's
// record and holds a game played without help.
constexpr std::string_view kWindowPrefix = "kvint window";

std::string windowLine(bool hinted) {
    return std::string(kWindowPrefix) + (hinted ? "\t1\thints\t1\n" : "\t1\thints\t0\n");
}

struct Kept {
    bool hinted = false;
    std::string_view game;
};

// Nothing when the window's line is there but is not one this program wrote.
std::optional<Kept> splitKept(std::string_view bytes) {
    if (!bytes.starts_with(kWindowPrefix)) {
        return Kept{false, bytes};
    }
    for (const bool hinted : {false, true}) {
        const std::string line = windowLine(hinted);
        if (bytes.starts_with(line)) {
            return Kept{hinted, bytes.substr(line.size())};
        }
    }
    return std::nullopt;
}

} // namespace

ResumeStore::ResumeStore(QString file) : file_(std::move(file)) {}

QString ResumeStore::defaultFile() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("unfinished-game"));
}

SavedGame ResumeStore::read() {
    const auto limit = kSnapshotLimit + windowLine(false).size();
    const UserFileBytes found = readUserFile(file_, static_cast<qint64>(limit));
    if (const auto* why = std::get_if<UnreadableFile>(&found)) {
        gone_ = *why == UnreadableFile::missing;
        return {std::nullopt, false, !gone_};
    }
    std::string bytes = std::get<QByteArray>(found).toStdString();
    const auto kept = splitKept(bytes);
    auto snapshot = kept ? parseSnapshot(kept->game) : std::nullopt;
    if (!snapshot) {
        return {std::nullopt, false, true};
    }
    const bool hinted = kept->hinted;
    onDisk_ = std::move(bytes);
    return {std::move(snapshot), hinted, false};
}

void ResumeStore::setAside() {
    gone_ = setAsideUserFile(file_).has_value();
    onDisk_.reset();
}

void ResumeStore::keep(const std::string& exported, bool hinted) {
    std::string bytes = windowLine(hinted) + exported;
    if (onDisk_ == bytes) {
        return;
    }
    const bool written = writeUserFile(file_, QByteArray::fromStdString(bytes));
    // After a failure the old file may or may not be in place.
    onDisk_ = written ? std::optional(std::move(bytes)) : std::nullopt;
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
