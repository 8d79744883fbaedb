#pragma once

#include "file_bytes.h"

#include <QByteArray>
#include <QDataStream>
#include <QString>

namespace kvint::test {

// A WAV of `samples` samples of 8-bit mono silence at 8000 Hz: 8000 make a
// second.
inline QByteArray silentWav(quint32 samples) {
    constexpr quint32 rate = 8000;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + samples);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << rate << rate << quint16(1) << quint16(8);
    out.writeRawData("data", 4);
    out << samples;
    bytes.append(QByteArray(qsizetype(samples), char(0x80)));
    return bytes;
}

} // namespace kvint::test
