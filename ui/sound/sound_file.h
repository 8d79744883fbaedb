#pragma once

#include <QString>

#include <chrono>
#include <optional>

namespace kvint::ui {

// No sound of the game comes near this size; a larger file is not read.
inline constexpr qint64 kSoundFileLimit = qint64{4} << 20;

// How long the WAV file at `path` plays. Only a regular file, or a link to
// one, of at most kSoundFileLimit bytes is read: a named pipe would keep the
// reader waiting for a writer and a device could feed it without end. Such a
// file gives nothing, as a missing one or one that wavDuration refuses: only
// a file that passes is handed to the sound library.
std::optional<std::chrono::milliseconds> soundLength(const QString& path);

} // namespace kvint::ui
