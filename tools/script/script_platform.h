#pragma once

#include "game/platform.h"

#include <deque>
#include <ostream>
#include <string>
#include <utility>

namespace kvint::script {

// The platform of the script tool: boxes, draws and replies come from queues
// the script fills, and every call the game makes is written to the
// transcript as one record.
class ScriptPlatform : public Platform {
  public:
    explicit ScriptPlatform(std::ostream& transcript) : out_(transcript) {}

    void queueRandom(float r) { randoms_.push_back(r); }
    void queueAnswer(std::string text) { answers_.push_back(std::move(text)); }
    void queueReply(bool yes) { replies_.push_back(yes); }

    bool messageBox(std::string_view text, Buttons buttons, std::string_view caption) override;
    std::string inputBox(std::string_view prompt, std::string_view caption) override;
    void playSound(std::string_view file, Wait wait) override;
    void reseed() override;
    float random() override;
    void clearSurface() override;
    void focus(Ctl control) override;
    [[noreturn]] void endProgram() override;

  private:
    std::ostream& out_;
    std::deque<float> randoms_;
    std::deque<std::string> answers_;
    std::deque<bool> replies_;
};

} // namespace kvint::script
