#include "tools/script/script_platform.h"

#include "tools/script/halt.h"
#include "tools/script/transcript.h"

#include <string>
#include <utility>

namespace kvint::script {
namespace {

// The game hands no caption as an empty one; the user sees the title then.
std::string_view shownCaption(std::string_view caption) {
    return caption.empty() ? kAppTitle : caption;
}

template <typename T> T take(std::deque<T>& queue, const char* what) {
    if (queue.empty()) {
        throw ScriptHalt(kExitQueueEmpty, std::string("no ") + what + " queued");
    }
    T value = std::move(queue.front());
    queue.pop_front();
    return value;
}

} // namespace

bool ScriptPlatform::messageBox(std::string_view text, Buttons buttons, std::string_view caption) {
    const bool yesNo = buttons == Buttons::yesNo;
    writeRecord(out_, {"msgbox", shownCaption(caption), yesNo ? "yesno" : "ok", text});
    return yesNo && take(replies_, "reply");
}

std::string ScriptPlatform::inputBox(std::string_view prompt, std::string_view caption) {
    writeRecord(out_, {"inputbox", shownCaption(caption), prompt});
    return take(answers_, "answer");
}

void ScriptPlatform::playSound(std::string_view file, Wait wait) {
    const std::string flag = std::to_string(static_cast<int>(wait));
    writeRecord(out_, {"sound", file, flag});
}

void ScriptPlatform::reseed() {
    writeRecord(out_, {"reseed"});
}

float ScriptPlatform::random() {
    return take(randoms_, "random value");
}

void ScriptPlatform::clearSurface() {
    writeRecord(out_, {"cls"});
}

void ScriptPlatform::focus(Ctl control) {
    writeRecord(out_, {"focus", controlName(control)});
}

void ScriptPlatform::endProgram() {
    writeRecord(out_, {"end"});
    throw ProgramEnded{};
}

} // namespace kvint::script
