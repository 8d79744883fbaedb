#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <variant>

namespace kvint::ui {

// The files the program keeps in the user's own folders are read as warily
// as any file: whatever lies at the path (a pipe, a device, a link to one, a
// folder, a file grown huge) must neither hang the window nor fill memory.
enum class UnreadableFile {
    missing,    // nothing at the path
    notRegular, // a pipe, a device, a folder or a link to one of them
    tooLarge,   // more than the caller's limit
    unreadable, // the system refused to open or read it
};

using UserFileBytes = std::variant<QByteArray, UnreadableFile>;

// The whole file, when it is a regular file of at most `limit` bytes. It is
// opened without blocking and checked after opening, so a pipe put in its
// place between a look and the open is still refused.
UserFileBytes readUserFile(const QString& path, qint64 limit);

// Replaces the file with `bytes` atomically: a new file beside it is written,
// flushed to the disk and renamed over it, and every step is checked. False,
// with the previous file left as it was, when any step fails (a full disk, a
// read-only folder, a lost device). The folder is made when missing.
bool writeUserFile(const QString& path, const QByteArray& bytes);

// Removes the file; true when nothing is left at the path.
bool removeUserFile(const QString& path);

// Moves whatever lies at the path aside under a dated name beside it, so a
// damaged file is kept for the player to look at; its new name, or nothing
// when it could not be moved.
std::optional<QString> setAsideUserFile(const QString& path);

} // namespace kvint::ui
