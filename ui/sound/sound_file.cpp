#include "ui/sound/sound_file.h"

#include "ui/sound/wav_duration.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <span>

namespace kvint::ui {

std::optional<std::chrono::milliseconds> soundLength(const QString& path) {
    const QFileInfo info(path); // looks through links
    if (!info.isFile() || info.size() > kSoundFileLimit) {
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    // The file may have grown since it was looked at.
    const QByteArray bytes = file.read(kSoundFileLimit + 1);
    if (bytes.size() > kSoundFileLimit) {
        return std::nullopt;
    }
    return wavDuration(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                 static_cast<std::size_t>(bytes.size())));
}

} // namespace kvint::ui
