#pragma once

#include <stdexcept>
#include <string>

namespace kvint::script {

// Exit statuses of the tool.
inline constexpr int kExitOk = 0;
inline constexpr int kExitMalformed = 2;
inline constexpr int kExitQueueEmpty = 3;

// Stops the script where it stands: a malformed line, or a box or draw that
// needs a value no command has queued. Thrown from inside the game's handlers
// too, so the handler is abandoned half-way, as a crashed program would be.
class ScriptHalt : public std::runtime_error {
  public:
    ScriptHalt(int status, const std::string& message)
        : std::runtime_error(message), status_(status) {}
    [[nodiscard]] int status() const { return status_; }

  private:
    int status_;
};

// The game ended the program. Unwinds out of the handler: nothing after the
// end request runs, just as the process would be gone.
struct ProgramEnded {};

} // namespace kvint::script
