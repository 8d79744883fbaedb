#pragma once

#include "game/messages.h"

#include <QStringList>

#include <optional>

namespace kvint::ui {

// What the command line asks for: an exit status when the program should
// stop there (2 for a mistake), else the language --lang chose, if any, and
// whether to quit as soon as the window is first painted, as the start-up
// benchmark asks.
struct CommandLine {
    std::optional<int> exitStatus = std::nullopt;
    std::optional<Language> language = std::nullopt;
    bool quitAfterFirstPaint = false;
};

// Answers the options that need no window: --help, --version, --check-install
// and any mistake. Qt's own options (-platform, -style, ...) pass through to
// the application.
CommandLine answerCommandLine(int& argc, char** argv);

// The same for the arguments of an application already running, the
// program's name first.
CommandLine answerArguments(const QStringList& arguments);

} // namespace kvint::ui
