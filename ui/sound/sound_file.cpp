#include "ui/sound/sound_file.h"

#include "ui/common/user_file.h"
#include "ui/sound/wav_header.h"

#include <QByteArray>

#include <cstdint>
#include <span>

namespace kvint::ui {

// The longest sound played, stereo at 16 bits and the highest rate, is read
// whole.
static_assert(qint64{kHighestRate} * 2 * 2 * kLongestSound.count() + 1024 <= kSoundFileLimit);

std::optional<std::chrono::milliseconds> soundLength(const QString& path) {
    const UserFileBytes read = readUserFile(path, kSoundFileLimit);
    const auto* bytes = std::get_if<QByteArray>(&read);
    if (bytes == nullptr) {
        return std::nullopt;
    }
    return wavDuration(std::span(reinterpret_cast<const std::uint8_t*>(bytes->constData()),
                                 static_cast<std::size_t>(bytes->size())));
}

} // namespace kvint::ui
