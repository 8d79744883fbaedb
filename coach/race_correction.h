#pragma once

#include "game/state.h"

#include <array>
#include <cstddef>

namespace kvint::coach {

// What the race model's chance misses against the computer, measured on the
// coach's own duels (tools/learn-race-correction.cpp): a logistic curve over
// the model's logit, which categories each side still has free, the margin
// and how it weighs with what is left to play, and whether the computer's
// chain rolls again. The model plans as if the
// computer's new rolls stayed as they are; the curve learns, among other
// things, what the person's big combinations still free will cost once they
// are written. Each strength has its own curve; the plain one, weight 1 on
// the logit and 0 elsewhere, leaves the model's chance as it is.
class RaceCorrection {
  public:
    static constexpr std::size_t kFeatures = 31;
    using Weights = std::array<float, kFeatures>;
    using Features = Weights;
    using ByLevel = std::array<Weights, 3>;

    RaceCorrection(); // plain at every strength
    explicit RaceCorrection(const ByLevel& byLevel) : byLevel_(byLevel) {}
    // The curves shipped with the coach (race_correction.inc).
    static RaceCorrection learnt();
    static Weights plain();

    // The position once the person's turn has ended, the computer to move;
    // `model` is the race model's chance for it.
    static Features features(u8 level, const Column& mine, const Column& theirs, float model);
    // The corrected chance; the plain curve gives back `model` itself, even
    // where the features cut it off near 0 and 1.
    [[nodiscard]] float chance(u8 level, const Column& mine, const Column& theirs,
                               float model) const;

  private:
    ByLevel byLevel_;
};

} // namespace kvint::coach
