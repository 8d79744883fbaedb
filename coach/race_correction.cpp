#include "coach/race_correction.h"

#include "coach/computer_turns.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace kvint::coach {
namespace {

// The features' places.
constexpr std::size_t kBias = 0;
constexpr std::size_t kLogit = 1;
constexpr std::size_t kMineFree = 1;    // + k
constexpr std::size_t kTheirsFree = 12; // + k
constexpr std::size_t kMargin = 24;
constexpr std::size_t kRollsAgain = 25;
// The margin's weight grows or shrinks with what is left to play; the
// person's "2/3" and "3/2" both free; and the new rolls' own slope.
constexpr std::size_t kMarginByTheirs = 26;
constexpr std::size_t kMarginByMine = 27;
constexpr std::size_t kBothTriggers = 28;
constexpr std::size_t kLogitRollingAgain = 29;
constexpr std::size_t kTheirsRollingAgain = 30;
// Points of margin per unit of its feature, so that all features are of one size.
constexpr float kMarginScale = 50.0F;
// The model's chance is read this far inside 0 and 1, where its logit is finite.
constexpr float kEdge = 0.002F;

#include "coach/race_correction.inc"

} // namespace

RaceCorrection::RaceCorrection() {
    byLevel_.fill(plain());
}

RaceCorrection RaceCorrection::learnt() {
    return RaceCorrection(kLearnt);
}

RaceCorrection::Weights RaceCorrection::plain() {
    Weights w{};
    w[kLogit] = 1.0F;
    return w;
}

RaceCorrection::Features RaceCorrection::features(u8 level, const Column& mine,
                                                  const Column& theirs, float model) {
    Features f{};
    const float m = std::clamp(model, kEdge, 1.0F - kEdge);
    f[kBias] = 1.0F;
    f[kLogit] = std::log(m / (1.0F - m));
    for (std::size_t k = 1; k <= kCategories; ++k) {
        f[kMineFree + k] = mine(k) == 0 ? 1.0F : 0.0F;
        f[kTheirsFree + k] = theirs(k) == 0 ? 1.0F : 0.0F;
    }
    f[kMargin] = static_cast<float>(columnTotal(mine) - columnTotal(theirs)) / kMarginScale;
    f[kRollsAgain] = computerCase(level, mine) == kComputerCases - 1 ? 1.0F : 0.0F;
    const auto share = [](const Column& c) {
        return static_cast<float>(std::popcount(freeSet(c))) / static_cast<float>(kCategories);
    };
    f[kMarginByTheirs] = f[kMargin] * share(theirs);
    f[kMarginByMine] = f[kMargin] * share(mine);
    f[kBothTriggers] = f[kMineFree + cat::dva_tri] * f[kMineFree + cat::tri_dva];
    f[kLogitRollingAgain] = f[kLogit] * f[kRollsAgain];
    f[kTheirsRollingAgain] = share(theirs) * f[kRollsAgain];
    return f;
}

float RaceCorrection::chance(u8 level, const Column& mine, const Column& theirs,
                             float model) const {
    const Weights& w = byLevel_[std::min<std::size_t>(level, byLevel_.size() - 1)];
    if (w == plain()) {
        return model;
    }
    const Features f = features(level, mine, theirs, model);
    float z = 0.0F;
    for (std::size_t i = 0; i < kFeatures; ++i) {
        z += w[i] * f[i];
    }
    return 1.0F / (1.0F + std::exp(-z));
}

} // namespace kvint::coach
