#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace kvint::test {

// What a file holds, empty when it cannot be read.
inline QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Puts `bytes` in a file, in place of what it held; false when not all of
// them went in.
[[nodiscard]] inline bool write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace kvint::test
