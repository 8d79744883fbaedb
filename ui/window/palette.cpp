#include "ui/window/palette.h"

#include <array>

namespace kvint::ui {
namespace {

struct Rgb {
    int r, g, b;
};

constexpr std::array<Rgb, 16> kPalette = {{
    {0, 0, 0},
    {0, 0, 128},
    {0, 128, 0},
    {0, 128, 128},
    {128, 0, 0},
    {128, 0, 128},
    {128, 128, 0},
    {192, 192, 192},
    {128, 128, 128},
    {0, 0, 255},
    {0, 255, 0},
    {0, 255, 255},
    {255, 0, 0},
    {255, 0, 255},
    {255, 255, 0},
    {255, 255, 255},
}};

} // namespace

QColor paletteColour(int index) {
    if (index < 0 || index >= static_cast<int>(kPalette.size())) {
        return {};
    }
    const Rgb c = kPalette[static_cast<std::size_t>(index)];
    return {c.r, c.g, c.b};
}

} // namespace kvint::ui
