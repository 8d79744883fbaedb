#pragma once

#include "game/platform.h"
#include "game/state.h"

#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace kvint::test {

// The one platform of the unit tests: answers from queues and records every
// call as one line, in the shape of the script tool's transcript
// ("sound dice05.wav 1"). A test that needs to look at the game at a call
// hooks `onCall`, which hears each line as it is recorded.
class RecordingPlatform : public Platform {
  public:
    std::deque<float> randoms;
    std::deque<std::string> answers;
    std::deque<bool> replies;
    std::vector<std::string> calls;
    std::vector<GameResult> results; // every end the game reported
    // When set, draws come from here once `randoms` runs dry.
    std::function<float()> endless;
    // When set, input boxes take this answer once `answers` runs dry.
    std::optional<std::string> anyAnswer;
    std::function<void(const std::string&)> onCall;

    bool messageBox(std::string_view text, Buttons buttons, std::string_view caption) override {
        record("msgbox " + std::string(caption) + " | " + std::string(text));
        if (buttons == Buttons::ok) {
            return false;
        }
        return take(replies, "reply");
    }
    std::string inputBox(std::string_view prompt, std::string_view caption) override {
        record("inputbox " + std::string(caption) + " | " + std::string(prompt));
        if (answers.empty() && anyAnswer) {
            return *anyAnswer;
        }
        return take(answers, "answer");
    }
    void playSound(std::string_view file, Wait wait) override {
        record("sound " + std::string(file) + " " + std::to_string(static_cast<int>(wait)));
    }
    void reseed() override { record("reseed"); }
    float random() override {
        if (randoms.empty() && endless) {
            return endless();
        }
        return take(randoms, "random");
    }
    void clearSurface() override { record("cls"); }
    void focus(Ctl c) override { record("focus " + std::string(controlName(c))); }
    void endProgram() override { record("end"); }
    void gameEnded(const GameResult& result) override { results.push_back(result); }

    // Queues the draws that give these faces: face f comes from r = (f+2)/10.
    void faces(std::initializer_list<int> fs) {
        for (int f : fs) {
            randoms.push_back(static_cast<float>(f + 2) / 10.0F);
        }
    }
    std::vector<std::string> takeCalls() { return std::exchange(calls, {}); }

  private:
    void record(std::string call) {
        if (onCall) {
            onCall(call);
        }
        calls.push_back(std::move(call));
    }
    template <typename T> static T take(std::deque<T>& q, const char* what) {
        if (q.empty()) {
            throw std::runtime_error(std::string("empty queue: ") + what);
        }
        T v = std::move(q.front());
        q.pop_front();
        return v;
    }
};

// Faces of the dice, for compact comparisons.
inline std::vector<int> faces(const State& st) {
    return {st.kubik.begin(), st.kubik.end()};
}

} // namespace kvint::test
