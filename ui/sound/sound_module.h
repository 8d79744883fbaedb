#pragma once

#include "ui/sound/sound_output.h"

#include <QPluginLoader>
#include <QString>
#include <QStringList>

#include <utility>

namespace kvint::ui {

// Where the audio module is looked for: beside the program, as in the build
// tree, else in ../lib/kvint from it, as in an installed prefix.
QStringList soundModuleFolders(const QString& programFolder);

// The file name of the audio module.
QString soundModuleName();

// The first of `folders` that holds the audio module, or nothing.
QString soundModulePath(const QStringList& folders);

// The audio module, loaded on the first question. A module that is missing
// or does not load leaves the game silent; it is never asked for again.
// The module stays loaded to the end of the run.
class SoundModule {
  public:
    explicit SoundModule(QStringList folders) : folders_(std::move(folders)) {}

    // Null when the module cannot be loaded.
    SoundOutput* output();

  private:
    QStringList folders_;
    bool tried_ = false;
    QPluginLoader loader_;
    SoundOutput* output_ = nullptr; // belongs to loader_
};

} // namespace kvint::ui
