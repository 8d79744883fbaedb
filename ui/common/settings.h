#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace kvint::ui {

// What the window remembers between runs, in the user's settings for the
// application. The statistics are kept apart, in its data folder.
struct Settings {
    std::optional<int> zoom;   // the zoom step in percent; none until a run chose one
    QByteArray place;          // the main window's place, as QWidget::saveGeometry gives it
    bool sound = true;         // whether the game's sounds are heard
    bool trainer = false;      // whether the coach tells of costly choices
    bool modern = false;       // the modern view in place of the classic window
    bool computerRolls = true; // the modern view shows each throw of the computer

    friend bool operator==(const Settings&, const Settings&) = default;
};

// The file QSettings keeps the user's settings of the application in.
QString settingsPath();

// The settings file is taken only when it is a regular file of a sensible
// size; anything else at its place (a pipe, a device, a folder, a file grown
// huge) is moved aside under a dated name and the defaults are taken. What
// cannot be moved is neither read nor written. A value of the wrong type
// gives its default.
struct StoredSettings {
    Settings settings;
    // Set when the file could not be taken: the name it was moved aside to,
    // or empty when it had to be left where it is.
    std::optional<QString> refused;
};
StoredSettings loadSettings();
Settings readSettings(); // loadSettings(), without a word on a refused file
// Replaces everything remembered with `settings`, keeping other keys of the
// file. A write that fails is dropped without a word: the run goes on.
void writeSettings(const Settings& settings);

} // namespace kvint::ui
