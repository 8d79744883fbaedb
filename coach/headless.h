#pragma once

#include "game/platform.h"

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <utility>

namespace kvint::coach {

// A platform without a window: silent, its draws from a seeded generator
// (a reseed from the clock keeps the same stream, so a seed gives the same
// games), every input box answered with the text set last, and every Yes/No
// box answered No, which keeps the game going.
class HeadlessPlatform : public Platform {
  public:
    explicit HeadlessPlatform(std::uint64_t seed) : gen_(seed) {}

    void answer(std::string text) { answer_ = std::move(text); }
    // The result of the game that ended last, taken once.
    std::optional<GameResult> takeResult() { return std::exchange(result_, std::nullopt); }

    bool messageBox(std::string_view /*text*/, Buttons /*buttons*/,
                    std::string_view /*caption*/) override {
        return false;
    }
    std::string inputBox(std::string_view /*prompt*/, std::string_view /*caption*/) override {
        return answer_;
    }
    void playSound(std::string_view /*file*/, Wait /*wait*/) override {}
    void reseed() override {}
    float random() override { return static_cast<float>(gen_() >> 40) * 0x1p-24F; }
    void clearSurface() override {}
    void focus(Ctl /*control*/) override {}
    void endProgram() override {}
    void gameEnded(const GameResult& result) override { result_ = result; }

  private:
    std::mt19937_64 gen_;
    std::string answer_;
    std::optional<GameResult> result_;
};

} // namespace kvint::coach
