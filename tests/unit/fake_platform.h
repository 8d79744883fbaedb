#pragma once

#include "game/game.h"

#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace kvint::test {

// A platform that answers from queues and records every call as one line,
// in the shape of the script tool's transcript ("sound dice05.wav 1").
class FakePlatform : public Platform {
  public:
    std::deque<float> randoms;
    std::deque<std::string> answers;
    std::deque<bool> replies;
    std::vector<std::string> calls;
    // When set, draws come from here once `randoms` runs dry.
    std::function<float()> endless;

    bool messageBox(std::string_view text, Buttons buttons, std::string_view caption) override {
        calls.push_back("msgbox " + std::string(caption) + " | " + std::string(text));
        if (buttons == Buttons::ok) {
            return false;
        }
        return take(replies, "reply");
    }
    std::string inputBox(std::string_view prompt, std::string_view caption) override {
        calls.push_back("inputbox " + std::string(caption) + " | " + std::string(prompt));
        return take(answers, "answer");
    }
    void playSound(std::string_view file, Wait wait) override {
        calls.push_back("sound " + std::string(file) + " " +
                        std::to_string(static_cast<int>(wait)));
    }
    void reseed() override { calls.emplace_back("reseed"); }
    float random() override {
        if (randoms.empty() && endless) {
            return endless();
        }
        return take(randoms, "random");
    }
    void clearSurface() override { calls.emplace_back("cls"); }
    void focus(Ctl c) override { calls.push_back("focus " + std::string(controlName(c))); }
    void endProgram() override { calls.emplace_back("end"); }

    // Queues the draws that give these faces: face f comes from r = (f+2)/10.
    void faces(std::initializer_list<int> fs) {
        for (int f : fs) {
            randoms.push_back(static_cast<float>(f + 2) / 10.0F);
        }
    }
    std::vector<std::string> takeCalls() { return std::exchange(calls, {}); }

  private:
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
