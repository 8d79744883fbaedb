#pragma once

namespace kvint {

// The side that plays the right column against the person: the game hands it
// the dice after each entry or pass of player one and asks whether it is
// still at it.
class Opponent {
  public:
    Opponent() = default;
    Opponent(const Opponent&) = delete;
    Opponent& operator=(const Opponent&) = delete;
    Opponent(Opponent&&) = delete;
    Opponent& operator=(Opponent&&) = delete;
    virtual ~Opponent() = default;

    // One whole turn, from the roll to the entry or the giving up.
    virtual void broskom() = 0;
    // True while a turn is under way, sounds and boxes included.
    [[nodiscard]] virtual bool playing() const = 0;
};

} // namespace kvint
