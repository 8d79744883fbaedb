#pragma once

#include "fake_platform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kvint::test {

// A game poised inside the computer's turn: the dice and the computer's
// column are set by hand, then one check of the chain is called directly.
struct ChainTest : ::testing::Test {
    FakePlatform pf;
    Game game{pf, "."};
    State& st = game.state();

    ChainTest() { pf.takeCalls(); }

    void dice(std::initializer_list<int> fs) {
        std::size_t i = 1;
        for (int f : fs) {
            st.kubik(i++) = static_cast<Face>(f);
        }
    }
    // Marks categories as holding points that no check would write.
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

    std::vector<std::string> sounds() {
        std::vector<std::string> out;
        for (const std::string& c : pf.takeCalls()) {
            if (c.starts_with("sound ")) {
                out.push_back(c.substr(6));
            }
        }
        return out;
    }
    // The categories whose value differs from `before`.
    std::vector<std::size_t> changed(const Column& before) const {
        std::vector<std::size_t> out;
        for (std::size_t k = 1; k <= kCategories; ++k) {
            if (st.compscore(k) != before(k)) {
                out.push_back(k);
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

    // One entry of v in category k with its sound, the category painted red
    // and the dice on show; the high counters are cleared after it.
    void expectEntry(std::size_t k, int v, const std::string& sound, const Column& before) {
        EXPECT_EQ(changed(before), std::vector<std::size_t>{k});
        EXPECT_EQ(st.compscore(k), v);
        EXPECT_EQ(game.controls()[comp(k)].text, std::to_string(v));
        EXPECT_EQ(game.controls()[label(20 + k)].back, 12);
        EXPECT_EQ(game.controls()[comp(k)].back, 12);
        EXPECT_EQ(sounds(), std::vector<std::string>{sound + " 0"});
        EXPECT_EQ(shown(), diceText());
        EXPECT_EQ(st.facesum(6), 0);
        EXPECT_EQ(st.facesum(5), 0);
        EXPECT_EQ(st.facesum(4), 0);
    }
    void expectNoEntry(const Column& before) { EXPECT_TRUE(changed(before).empty()); }
};

} // namespace kvint::test
