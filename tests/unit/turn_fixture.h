#pragma once

#include "computer_game.h"

#include <gtest/gtest.h>

#include <functional>

#include <stdexcept>
#include <string>
#include <vector>

namespace kvint::test {

// A game inside the computer's turn: dice, columns and strength set by hand,
// then one link of the chain called directly.
struct TurnTest : ComputerGameTest {
    State& st = game.state();

    TurnTest() { pf.takeCalls(); }

    void dice(std::initializer_list<int> fs) {
        std::size_t i = 1;
        for (int f : fs) {
            st.kubik(i++) = static_cast<Face>(f);
        }
    }
    // Categories holding points that no link of the chain writes.
    void written(std::initializer_list<std::size_t> ks) {
        for (std::size_t k : ks) {
            st.compscore(k) = 99;
        }
    }
    void allWrittenBut(std::initializer_list<std::size_t> open) {
        for (std::size_t k = 1; k <= kCategories; ++k) {
            st.compscore(k) = 99;
        }
        for (std::size_t k : open) {
            st.compscore(k) = 0;
        }
    }

    // Runs a procedure of the turn, or the chain from one of its checks. A
    // later link that wants a die the test did not queue stops the run there,
    // before that die changes: false.
    bool run(void (Computer::*procedure)()) {
        return completes([&] { (computer.*procedure)(); });
    }
    bool run(Computer::Check first) {
        return completes([&] { computer.runFrom(first); });
    }
    static bool completes(const std::function<void()>& f) {
        try {
            f();
            return true;
        } catch (const std::runtime_error&) {
            return false;
        }
    }

    std::vector<std::string> sounds() {
        std::vector<std::string> out;
        for (const std::string& c : pf.takeCalls()) {
            if (c.starts_with("sound ")) {
                out.push_back(c.substr(6));
            }
        }
        return out;
    }
    std::vector<std::string> shown() const {
        std::vector<std::string> out;
        for (std::size_t i = 1; i <= kDice; ++i) {
            out.push_back(game.controls()[textBox(i)].text);
        }
        return out;
    }
    std::vector<std::string> diceText() const {
        std::vector<std::string> out;
        for (Face f : st.kubik) {
            out.push_back(std::to_string(f));
        }
        return out;
    }
    // The categories that differ from `before`.
    std::vector<std::size_t> changed(const Column& before) const {
        std::vector<std::size_t> out;
        for (std::size_t k = 1; k <= kCategories; ++k) {
            if (st.compscore(k) != before(k)) {
                out.push_back(k);
            }
        }
        return out;
    }

    // Exactly one entry: v in category k, both labels red, the sound, and the
    // dice on show as they lie. Every queued draw has been used.
    void expectEntry(std::size_t k, int v, const std::string& sound, const Column& before) {
        EXPECT_EQ(changed(before), std::vector<std::size_t>{k});
        EXPECT_EQ(st.compscore(k), v);
        EXPECT_EQ(game.controls()[comp(k)].text, std::to_string(v));
        EXPECT_EQ(game.controls()[label(20 + k)].back, 12);
        EXPECT_EQ(game.controls()[comp(k)].back, 12);
        EXPECT_EQ(sounds(), std::vector<std::string>{sound + " 0"});
        EXPECT_EQ(shown(), diceText());
        EXPECT_TRUE(pf.randoms.empty());
    }
    // The novice stopped: "thin.wav" alone, nothing written, the dice boxes
    // untouched (they were empty), every queued draw used.
    void expectGaveUp(const Column& before) {
        EXPECT_TRUE(changed(before).empty());
        EXPECT_EQ(sounds(), std::vector<std::string>{"thin.wav 0"});
        EXPECT_EQ(shown(), std::vector<std::string>(kDice));
        EXPECT_TRUE(pf.randoms.empty());
    }
    // The link went on: nothing written or played so far, the queued draws
    // used, and the dice as the link left them.
    void expectWentOn(const Column& before, std::vector<int> left) {
        EXPECT_TRUE(changed(before).empty());
        EXPECT_TRUE(sounds().empty());
        EXPECT_TRUE(pf.randoms.empty());
        EXPECT_EQ(faces(st), left);
    }
};

} // namespace kvint::test
