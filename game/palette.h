#pragma once

namespace kvint::palette {

// The indices of the 16-colour palette that the game paints with.
inline constexpr int leftColumn = 6;  // a free category of the left column
inline constexpr int rightColumn = 3; // a free category of the right column
inline constexpr int window = 8;      // the main window
inline constexpr int written = 12;    // a written category, in either column

} // namespace kvint::palette
