#pragma once

#include <QByteArray>

#include <optional>

namespace kvint::ui {

// What the window remembers between runs, in the user's settings for the
// application. The statistics are kept apart, in its data folder.
struct Settings {
    std::optional<int> zoom; // the zoom step in percent; none until a run chose one
    QByteArray place;        // the main window's place, as QWidget::saveGeometry gives it
    bool sound = true;       // whether the game's sounds are heard

    friend bool operator==(const Settings&, const Settings&) = default;
};

Settings readSettings();
// Replaces everything remembered with `settings`.
void writeSettings(const Settings& settings);

} // namespace kvint::ui
