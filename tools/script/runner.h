#pragma once

#include <filesystem>
#include <functional>
#include <istream>
#include <ostream>

namespace kvint {
class Game;
}

namespace kvint::script {

// Creates the main window as the game does (its load handler included), then
// runs the script line by line, writing the transcript to `transcript`.
// `assets` is the folder of the files beside the program (help.rls).
//
// Returns the tool's exit status: 0 at the end of the script or when the game
// ended the program ("end" is the last record); 2 for a malformed or
// unreadable line; 3 when a box or a draw found its queue empty. In both
// error cases the last record is "error<TAB>MESSAGE" and nothing after that
// line has run. Never throws for anything the script contains.
//
// `inspect`, when given, is then shown the game as the script left it,
// however the script ended; it adds nothing to the transcript.
int runScript(std::istream& script, std::ostream& transcript, const std::filesystem::path& assets,
              const std::function<void(const Game&)>& inspect = {});

} // namespace kvint::script
