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

} // namespace kvint::test
