#pragma once

namespace kvint::coach {

// A game over: the chance this side wins at this margin of its total over
// the other's, a draw counting half.
constexpr float onTotals(int margin) {
    if (margin == 0) {
        return 0.5F;
    }
    return margin > 0 ? 1.0F : 0.0F;
}

} // namespace kvint::coach
