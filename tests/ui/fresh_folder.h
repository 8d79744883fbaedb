#pragma once

#include "ui/common/settings.h"

#include <QTemporaryDir>

#include <memory>

namespace kvint::test {

// The settings the windows of a test open with unless it says otherwise:
// 100 %, wherever an earlier window was left.
inline kvint::ui::Settings at100() {
    kvint::ui::Settings settings;
    settings.zoom = 100;
    return settings;
}

// A folder of its own for the next test's windows, with no sound files in
// it, so every sound is passed over, and `stored` as the settings they read.
// False when the folder could not be made.
[[nodiscard]] inline bool startAfresh(std::unique_ptr<QTemporaryDir>& folder,
                                      const kvint::ui::Settings& stored = at100()) {
    folder = std::make_unique<QTemporaryDir>();
    kvint::ui::writeSettings(stored);
    return folder->isValid();
}

} // namespace kvint::test
