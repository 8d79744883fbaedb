#pragma once

#include <optional>

namespace kvint::ui {

// Answers the options that need no window: --help, --version, --check-install
// and any mistake. Returns the exit status when the program should stop there
// (2 for a mistake), nothing when the game should start. Qt's own options
// (-platform, -style, ...) pass through to the application.
std::optional<int> answerCommandLine(int& argc, char** argv);

} // namespace kvint::ui
